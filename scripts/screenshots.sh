#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renews the pictures of the guide and the AppStream data (docs/bilder/) from the program itself:
# starts it on a virtual display, clicks its way to each screen as a child would, and photographs
# it; a worksheet is printed to PDF (no printer is set up there) and turned into a picture.
# Usage: scripts/screenshots.sh [program]   (default: build/quarimo; built when missing)
# Needs xvfb, xdotool, imagemagick, poppler-utils and optipng (installed when missing).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$root/build/quarimo}"
pictures="$root/docs/bilder"

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
missing=()
for p in xvfb xauth xdotool imagemagick poppler-utils optipng; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get -o DPkg::Lock::Timeout=300 update -qq
  $sudo apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
fi
[ -x "$program" ] || { "$root/scripts/setup.sh" --program-only "$root/build" >/dev/null; program="$root/build/quarimo"; }

work="$(mktemp -d)"
xvfb=""
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "screenshots: $*" >&2; exit 1; }

# A screen of 1280 x 960: the program picks a zoom of about 1.5, which reads well in the guide.
Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
export HOME="$work/home" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work" LANG=de_DE.UTF-8
unset QT_QPA_PLATFORM
mkdir -p "$HOME/Documents"

cd "$work"
printf ' 15 \r\n' >QUARIMO.INI
"$program" 2>"$work/stderr.txt" &
pid=$!
start_page="$(timeout 60 xdotool search --sync --onlyvisible --name '^Q U A R I M O :  Startseite$' | head -1)" ||
  fail "the start page never appeared"
read -r page_x page_y page_width < <(xdotool getwindowgeometry --shell "$start_page" |
  awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} END{print x, y, w}')
# Places on the start page are given in twips, as the program lays them out: 9090 twips wide.
click_at() { # click_at LEFT TOP [repeat]: clicks the start page at that place in twips
  local x=$((page_x + $1 * page_width / 9090)) y=$((page_y + $2 * page_width / 9090))
  xdotool mousemove --sync "$x" "$y" click --repeat "${3:-1}" --delay 80 1
}
settle() { sleep 1.5; }
# The screen shows one window at a time here; the black around it is cut off.
shot() {
  settle
  import -window root "$work/shot.png"
  convert "$work/shot.png" -trim +repage "$work/$1"
  optipng -quiet -o2 -strip all "$work/$1"
  cp "$work/$1" "$pictures/$1"
  echo "screenshots: $pictures/$1"
}
back_to_start_page() {
  xdotool key Escape
  timeout 30 xdotool search --sync --onlyvisible --name '^Q U A R I M O :  Startseite$' >/dev/null ||
    fail "Escape did not lead back to the start page"
}

shot startseite.png

click_at 3187 1507            # Bild13, the yellow note: calculating
shot rechnen.png
back_to_start_page

click_at 6427 3427            # Bild3, the number line strip
xdotool key Right Right Right Right Right
shot zahlenstrahl.png
back_to_start_page

click_at 3550 800             # Bild5, the dartboard above the notes: the reward list
settle
click_at 3100 1790 2          # double-click its first row, "M e m o r y"
settle
# One card turned over, as a child would.
memory="$(xdotool search --onlyvisible --name '.' | tail -1)"
xdotool mousemove --window "$memory" 80 160 click 1
shot memory.png
kill "$pid"; wait "$pid" 2>/dev/null || true
pid=""

# A worksheet: the printer on the start page shows the list; "Plusrechnen" is the fifth row.
"$program" 2>>"$work/stderr.txt" &
pid=$!
start_page="$(timeout 60 xdotool search --sync --onlyvisible --name '^Q U A R I M O :  Startseite$' | head -1)" ||
  fail "the start page never appeared again"
click_at 2730 3995            # Bild4, the printer
settle
click_at 5500 1330            # the first row
xdotool key Down Down Down Down Return
# The question carries the row's text as its title.
timeout 30 xdotool search --sync --onlyvisible --name '^Plusrechnen' >/dev/null || fail "printing asked nothing"
settle
xdotool key shift+Tab space    # "Ja"
for _ in $(seq 60); do
  sheet="$(find "$HOME" "$work" -name '*.pdf' -newer QUARIMO.INI 2>/dev/null | head -1)"
  [ -n "$sheet" ] && break
  sleep 0.5
done
[ -n "$sheet" ] || fail "the worksheet was not saved as a PDF"
sleep 1
pdftoppm -f 1 -l 1 -r 60 -png -singlefile "$sheet" "$work/sheet"
convert "$work/sheet.png" -bordercolor '#b0b0b0' -border 1 "$work/arbeitsblatt.png"
optipng -quiet -o2 -strip all "$work/arbeitsblatt.png"
cp "$work/arbeitsblatt.png" "$pictures/arbeitsblatt.png"
echo "screenshots: $pictures/arbeitsblatt.png"
