#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built Debian package on this machine with apt as a user would, checks what it
# holds, runs the package's autopkgtest tests (debian/tests) against the installed package, and
# purges it again.
# Usage: packaging/check-package.sh [output-directory of scripts/package.sh]   (default: build-package)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(cd "${1:-$root/build-package}" && pwd)"
id=io.github.quarimo.Quarimo
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
apt_get() { $sudo apt-get -o DPkg::Lock::Timeout=300 "$@"; }
fail() { echo "check-package: $*" >&2; exit 1; }

debs=("$out"/quarimo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one quarimo_*.deb in $out"
deb="${debs[0]}"

# The package holds the program, its menu entry, icon and AppStream data, the manual pages, the
# guide with its pictures, and Debian's own files.
contents="$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sort)"
listed="$(grep -v '^./usr/share/doc/quarimo/bilder/' <<<"$contents")"
expected="./usr/games/quarimo
./usr/share/applications/$id.desktop
./usr/share/doc-base/quarimo.quarimo-anleitung
./usr/share/doc/quarimo/anleitung.html
./usr/share/doc/quarimo/changelog.gz
./usr/share/doc/quarimo/copyright
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/de/man6/quarimo.6.gz
./usr/share/man/man6/quarimo.6.gz
./usr/share/metainfo/$id.metainfo.xml"
[ "$listed" = "$expected" ] || fail "the package holds other files than expected:"$'\n'"$listed"
# Every picture the guide shows is in the package.
for picture in $(grep -o 'src="bilder/[^"]*"' "$root/docs/anleitung.html" | sed 's/^src="//; s/"$//'); do
  grep -qx "./usr/share/doc/quarimo/$picture" <<<"$contents" || fail "the guide's $picture is not in the package"
done

missing=()
for p in autopkgtest; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi

apt_get install -y -qq "$deb"
trap 'apt_get purge -y -qq quarimo' EXIT
# The tests run on this machine against the package just installed (-B: nothing is built); their
# own dependencies (validators, Xvfb, xdotool) are installed by autopkgtest when missing.
dscs=("$out"/quarimo_*.dsc)
[ ${#dscs[@]} -eq 1 ] && [ -f "${dscs[0]}" ] || fail "expected one quarimo_*.dsc in $out"
autopkgtest -B "${dscs[0]}" -- null
echo "check-package: installed, tested and removed $(basename "$deb")"
