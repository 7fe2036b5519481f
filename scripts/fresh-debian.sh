#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Tries the README's two commands as a school's administrator would on a newly installed Debian:
# makes a fresh root with debootstrap (nothing in it but the minimal base and git, ca-certificates
# and sudo), puts a clean copy of this checkout in it, and there starts the program with the run
# command on a virtual display, waits for its start page, then runs the test command. With
# --package it also builds the Debian package with its tests and checks it with lintian.
# Nothing is kept between runs: a missing install step cannot hide behind an earlier one.
#
#   sudo bash scripts/fresh-debian.sh [--package] [suite]      (default suite: trixie, Debian 13)
#
# Needs root (debootstrap, chroot, mounts) and Debian's package mirror.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
package=0
if [ "${1:-}" = "--package" ]; then
  package=1
  shift
fi
suite="${1:-trixie}"
mirror="${QUARIMO_DEBIAN_MIRROR:-http://deb.debian.org/debian}"

[ "$(id -u)" -eq 0 ] || { echo "fresh-debian: needs root (debootstrap and chroot)" >&2; exit 2; }
if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 update -qq
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends debootstrap
fi

work="$(mktemp -d /var/tmp/quarimo-"$suite".XXXXXX)"
target="$work/root"
mounted=()
cleanup() {
  local status=$?
  # Anything still running in the root (a stuck test, a speech service it started) goes first.
  if [ -d "$target/proc" ]; then
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
      [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$target" ] && kill -9 "$pid" 2>/dev/null
    done
  fi
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" 2>/dev/null || true
  done
  rm -rf --one-file-system "$work"
  exit "$status"
}
trap cleanup EXIT

started=$SECONDS
echo "fresh-debian: making a $suite root in $target"
debootstrap --variant=minbase --include=git,ca-certificates,sudo "$suite" "$target" "$mirror" \
  >"$work/debootstrap.log" 2>&1 || { tail -n 30 "$work/debootstrap.log" >&2; exit 1; }
echo "fresh-debian: root made in $((SECONDS - started)) s"

mount_into() { # mount_into SOURCE TARGET-IN-ROOT [mount options...]
  mkdir -p "$target$2"
  mount "${@:3}" "$1" "$target$2"
  mounted+=("$target$2")
}
mount_into proc /proc -t proc
mount_into sysfs /sys -t sysfs
mount_into /dev /dev --rbind
mount_into tmpfs /dev/shm -t tmpfs
mount_into tmpfs /tmp -t tmpfs
cp /etc/resolv.conf "$target/etc/resolv.conf" 2>/dev/null || true

# A clean copy of what is committed, as a fresh clone would have it.
git clone -q --no-hardlinks "$root" "$target/srv/quarimo"
git -C "$target/srv/quarimo" checkout -q "$(git -C "$root" rev-parse HEAD)"

in_root() {
  chroot "$target" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb "$@"
}

# The run command first, as a school would start: it installs what is missing, builds only the
# program and starts it; on a virtual display the start page must appear.
step=$SECONDS
in_root bash -c '
  set -euo pipefail
  cd /srv/quarimo
  apt-get -o DPkg::Lock::Timeout=300 update -qq
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends xvfb xauth xdotool >/dev/null
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    bash scripts/run.sh >/tmp/run.log 2>&1 &
    program=\$!
    for _ in \$(seq 4800); do
      if xdotool search --onlyvisible --name \"^Q U A R I M O :  Startseite\$\" >/dev/null 2>&1; then
        echo found; kill -TERM \$program; wait; exit 0
      fi
      # The very first start says that QUARIMO.INI is missing before the page shows: OK.
      box=\$(xdotool search --onlyvisible --name \"^Zahlenraum\$\" 2>/dev/null | head -1)
      if [ -n \"\$box\" ]; then
        xdotool windowfocus --sync \$box key Return 2>/dev/null || true
      fi
      kill -0 \$program 2>/dev/null || break
      sleep 0.5
    done
    cat /tmp/run.log >&2; exit 1"
' | grep -qx found || { echo "fresh-debian: $suite: the run command showed no start page" >&2; exit 1; }
echo "fresh-debian: $suite: the run command showed the start page after $((SECONDS - step)) s"

step=$SECONDS
in_root bash -c 'cd /srv/quarimo && bash scripts/test.sh'
echo "fresh-debian: $suite: the test command passed in $((SECONDS - step)) s"

if [ "$package" = 1 ]; then
  step=$SECONDS
  in_root bash -c 'cd /srv/quarimo && bash scripts/package.sh /srv/package'
  echo "fresh-debian: $suite: the package was built with its tests and passed lintian in $((SECONDS - step)) s"
fi
echo "fresh-debian: $suite: all done in $((SECONDS - started)) s"
