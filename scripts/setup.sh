#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages quarimo needs (only the missing ones) and builds it.
# Usage: scripts/setup.sh [build-directory] [extra cmake arguments...]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
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

# Reading aloud, offline: Qt's speech module with its speech-dispatcher plugin and the espeak-ng
# voices. Debian 12's qt6-speech-dev needs QmlIntegration's CMake files without depending on them.
packages+=(qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng)
# The first word at once: the program talks to speech-dispatcher through its own library.
packages+=(libspeechd-dev pkgconf)


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
cmake --build "$build" -j2
