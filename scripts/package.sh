#!/usr/bin/env bash
# Installs what is missing and builds the Debian package build-package/quarimo_*.deb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" "$root/build-package" -DCMAKE_BUILD_TYPE=Release -DQUARIMO_BENCH=OFF -DQUARIMO_PACKAGE_ONLY=ON && (cd "$root/build-package" && cpack -G DEB)
