#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing and builds the Debian package build-package/quarimo_*.deb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" "$root/build-package" -DCMAKE_BUILD_TYPE=Release -DQUARIMO_BENCH=OFF -DQUARIMO_PACKAGE_ONLY=ON && (cd "$root/build-package" && cpack -G DEB)
