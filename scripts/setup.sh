#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages quarimo needs (only the missing ones) and builds it.
# Usage: scripts/setup.sh [--program-only] [build-directory] [extra cmake arguments...]
# --program-only builds the program alone, so that no test that fails to build can keep a child
# from it; without it every target is built, the tests included.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
targets=()
if [ "${1:-}" = "--program-only" ]; then
  targets=(--target quarimo)
  shift
fi
build="${1:-$root/build}"
shift || true

packages=(g++ make cmake qt6-base-dev qt6-svg-dev qt6-translations-l10n
          fonts-liberation fonts-dejavu-core fonts-ecolier-court poppler-utils)
# Start-up reads the font configuration on a second core when the headers are there.
packages+=(libfontconfig-dev)
# A session manager that dies must not end the program: it replaces libICE's and libSM's handlers.
packages+=(libsm-dev)
# The program's own start and end are tried on a virtual display.
packages+=(xvfb xauth xdotool)

# Reading aloud, offline: speech-dispatcher with the espeak-ng voices, which the program talks to
# itself, and Qt's speech module for a named engine. Debian 12's qt6-speech-dev needs
# QmlIntegration's CMake files without depending on them. The test of a dying speech service
# plays the service with python3.
packages+=(qt6-speech-dev qt6-declarative-dev speech-dispatcher speech-dispatcher-espeak-ng python3)


missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get -o DPkg::Lock::Timeout=300 update -qq
  $sudo apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j2 "${targets[@]}"
