#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built Debian package on this machine as a user would, checks what it installed,
# starts the program from its menu entry's command, and removes the package again.
# Usage: packaging/check-package.sh [build-directory]   (default: build-package)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build-package}" && pwd)"
id=org.example.quarimo
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
apt_get() { $sudo apt-get -o DPkg::Lock::Timeout=300 "$@"; }
fail() { echo "check-package: $*" >&2; exit 1; }

debs=("$build"/quarimo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one quarimo_*.deb in $build"
deb="${debs[0]}"

# The package holds the program, its menu entry, icon and AppStream data, and nothing else.
listed="$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sort)"
expected="./usr/bin/quarimo
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml"
[ "$listed" = "$expected" ] || fail "the package holds other files than expected:"$'\n'"$listed"

# The validators, only when missing.
missing=()
for p in desktop-file-utils appstream; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi

apt_get install -y -qq "$deb"
trap 'apt_get purge -y -qq quarimo' EXIT

desktop-file-validate "/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM quarimo --version

# The menu entry's command as a desktop runs it: a desktop entry escapes each backslash once more,
# past that its quoting is the shell's.
exec_line="$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop" | sed 's/\\\\/\\/g')"
eval "menu_command=($exec_line)"
home="$(mktemp -d)"
trap 'rm -rf "$home"; apt_get purge -y -qq quarimo' EXIT
start_from_menu() {
  local status=0
  env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen timeout 4 "${menu_command[@]}" || status=$?
  [ "$status" -eq 124 ] || fail "started from the menu entry, quarimo ended with status $status"
}
# A new user: the folder for the settings file is made, the program shows the missing-file message.
start_from_menu
[ -d "$home/.local/share/quarimo" ] || fail "the menu entry did not make ~/.local/share/quarimo"
# With a range remembered there, the start page comes up at once.
printf ' 15 \r\n' >"$home/.local/share/quarimo/QUARIMO.INI"
start_from_menu
echo "check-package: installed, validated and started $(basename "$deb")"
