#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds and starts quarimo in the current directory,
# which is where it reads and writes QUARIMO.INI.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" --program-only "$root/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "quarimo is a window program and needs a graphical display (no DISPLAY is set)." >&2
  echo "Start it from a desktop session, or under a virtual display: xvfb-run -a bash scripts/run.sh" >&2
  exit 2
fi
exec "$root/build/quarimo"
