#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from debian/ and checks it with lintian: no error and no warning may
# remain. Installs what the build needs first (only what is missing).
# Usage: scripts/package.sh [output-directory]   (default: build-package)
# The results, quarimo_<version>_<arch>.deb with its .changes and .buildinfo, and the source
# package quarimo_<version>.dsc/.tar.xz, land in the output directory. DEB_BUILD_OPTIONS=nocheck
# skips the test suite in the build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/build-package}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
version="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version 2>/dev/null || sed -n '1s/^quarimo (\([^)]*\)).*/\1/p' "$root/debian/changelog")"

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
apt_get() { $sudo apt-get -o DPkg::Lock::Timeout=300 "$@"; }
updated=0
apt_update() { [ "$updated" = 1 ] || apt_get update -qq; updated=1; }

missing=()
for p in dpkg-dev debhelper lintian; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  apt_update
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The package is built from a copy of the sources, so that the build's own files and the results
# (which dpkg-buildpackage puts beside the source folder) stay inside the output directory.
src="$out/quarimo-$version"
rm -rf "$src" "$out"/quarimo_"$version"*
mkdir -p "$src"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' f; do
     [ -e "$f" ] && printf '%s\0' "$f"; done | tar --null -T - -cf -) | tar -xf - -C "$src"
else
  tar -C "$root" --exclude='./build*' -cf - . | tar -xf - -C "$src"
fi

# debhelper gives the build a home folder of its own; the compiler cache stays the user's.
if command -v ccache >/dev/null && [ -z "${CCACHE_DIR:-}" ]; then
  CCACHE_DIR="$(ccache -k cache_dir)"
  export CCACHE_DIR
fi

cd "$src"
profiles=()
case " ${DEB_BUILD_OPTIONS:-} " in *" nocheck "*) profiles=(-Pnocheck) ;; esac
if ! dpkg-checkbuilddeps "${profiles[@]}" 2>/dev/null; then
  echo "Installing the build dependencies"
  apt_update
  apt_get build-dep -y -qq --no-install-recommends "${profiles[@]}" "$src"
fi

# The source package first, while the folder holds only sources.
(cd "$out" && dpkg-source -b "quarimo-$version" >/dev/null)
dpkg-buildpackage -us -uc -b -J"$(nproc)" "${profiles[@]}"

cd "$out"
changes="quarimo_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).changes"
echo "lintian:"
# debian/control follows the policy of the newest release we build on; the older release's lintian
# does not know that policy yet and would call it from the future.
suppress=()
standards="$(sed -n 's/^Standards-Version: *//p' "$src/debian/control")"
if ! grep -qE "\"version\" *: *\"${standards//./\\.}(\\.0)?\"" /usr/share/lintian/data/debian-policy/releases.json 2>/dev/null; then
  suppress=(--suppress-tags newer-standards-version)
fi
lintian --display-info --pedantic --fail-on error,warning "${suppress[@]}" "$changes" "quarimo_${version}.dsc"
echo "package.sh: built and checked $out/quarimo_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
