#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the screen reader Orca says on the program, tried from outside: the program on a virtual
# display with its own accessibility bus, Orca headless on that bus in German, and Orca's speech
# going to the stand-in speech service of the tests, which writes down every text. The keys are
# pressed with xdotool. Prints what Orca said at each step. Not run in CI (it needs orca, and
# takes a minute).
# Usage: scripts/orca-check.sh [path/to/quarimo]   (default: build/quarimo)
#        ORCA_CHECK_KEEP=1 keeps the working folder, Orca's debug log (orca-debug.txt) in it.
# Needs: orca, at-spi2-core, xvfb, xdotool, python3-speechd, locales (for de_DE).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ "${1:-}" != "--inside" ]; then
    quarimo="$(realpath "${1:-$root/build/quarimo}")"
    for tool in Xvfb xdotool orca dbus-run-session localedef /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "orca check: no $tool here" >&2; exit 77; }
    done
    [ -x "$quarimo" ] || { echo "orca check: no program at $quarimo" >&2; exit 1; }
    work="$(mktemp -d)"
    [ -n "${ORCA_CHECK_KEEP:-}" ] && echo "orca check: working in $work" >&2 || trap 'rm -rf "$work"' EXIT
    # A German locale of our own, where the system has none: Orca's words and roles in German.
    mkdir -p "$work/locale"
    localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8" 2>/dev/null || true
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XAUTHORITY
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"
    export XDG_DATA_HOME="$work/data" GSETTINGS_BACKEND=memory
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    status=0
    env LOCPATH="$work/locale" LANG=de_DE.UTF-8 LANGUAGE=de LC_ALL=de_DE.UTF-8 \
        dbus-run-session -- "$0" --inside "$quarimo" "$work" || status=$?
    exit "$status"
fi

quarimo="$2"
work="$3"
sock="$work/speechd.sock"
said="$work/said.log"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
}
trap cleanup EXIT
fail() {
    echo "orca check: $*" >&2
    [ ! -s "$work/orca.err" ] || tail -n 20 "$work/orca.err" | sed 's/^/    orca: /' >&2
    [ ! -s "$work/quarimo.err" ] || tail -n 20 "$work/quarimo.err" | sed 's/^/    program: /' >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"

# The accessibility bus, and Qt told to speak on it whether or not a setting says so.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
sleep 1

# Orca's speech goes to the stand-in service, which writes "SAID text" for every text.
export SPEECHD_ADDRESS="unix_socket:$sock"
: >"$said"
python3 "$root/tests/fake_speechd.py" "$sock" "$said" german </dev/null >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$sock" ] && break; sleep 0.1; done
[ -S "$sock" ] || fail "the stand-in speech service did not start"

/usr/bin/orca --replace --debug-file="$work/orca-debug.txt" >"$work/orca.out" 2>"$work/orca.err" &
pids+=($!)
for _ in $(seq 150); do grep -q '^SAID ' "$said" && break; sleep 0.1; done
grep -q '^SAID ' "$said" || fail "Orca never spoke"
sleep 2

# The texts Orca sent, without its SSML marks.
spoken() { sed -n 's/^SAID //p' | sed -e 's/<[^>]*>//g'; }
seen=0
mark() { seen=$(wc -l <"$said"); }
# Everything Orca said since the mark, once it has been quiet for a moment.
heard() {
    local before=-1 now
    for _ in $(seq 40); do
        sleep 0.5
        now=$(wc -l <"$said")
        [ "$now" -eq "$before" ] && break
        before=$now
    done
    tail -n +"$((seen + 1))" "$said" | spoken
}
step() { # <title>: prints what Orca said since the mark under a title
    echo "== $1"
    heard | sed 's/^/   /'
}
press() { xdotool key --clearmodifiers "$@"; sleep 0.3; }

# The start page.
mkdir -p "$work/folder"
printf '10\r\n' >"$work/folder/QUARIMO.INI"
mark
(cd "$work/folder" && exec "$quarimo") >/dev/null 2>"$work/quarimo.err" &
pids+=($!)
page="$({ timeout 60 xdotool search --sync --onlyvisible --name '^Q U A R I M O :  Startseite$' || true; } | head -1)"
[ -n "$page" ] || fail "the start page never appeared"
xdotool windowactivate --sync "$page" 2>/dev/null || xdotool windowfocus --sync "$page"
step "start page opens"

# The calculation screen, opened as a keyboard user does: Tab to "Rechnen", Space.
mark
for _ in 1 2 3; do press Tab; done
step "Tab three times on the start page"
mark
press space
screen="$({ timeout 30 xdotool search --sync --onlyvisible --name '^R e c h n e n   b i s   10$' || true; } | head -1)"
[ -n "$screen" ] || fail "the calculation screen never appeared"
step "Rechnen opens"

# The task as Orca said it last, worked out: "drei plus vier gleich wie viel?".
answer() {
    spoken <"$said" | python3 -c '
import re, sys
words = ["null", "eins", "zwei", "drei", "vier", "fünf", "sechs", "sieben", "acht", "neun", "zehn"]
tasks = re.findall(r"(\w+) (plus|minus) (\w+) gleich wie viel", sys.stdin.read(), re.I)
a, op, b = tasks[-1]
a, b = words.index(a.lower()), words.index(b.lower())
print(a + b if op.lower() == "plus" else a - b)'
}
set_bar() { # <value>: the answer bar from 0 up
    press Home
    for _ in $(seq "$1"); do press Right; done
}
right=$(answer)
set_bar "$right"
mark
press Return
step "a right answer ($right) with Enter"
wrong=$(answer)
wrong=$((wrong == 10 ? 9 : wrong + 1))
set_bar "$wrong"
mark
press Return
step "a wrong answer ($wrong) with Enter"

mark
press F1
step "F1: the help box"
mark
press Return
step "the help box closed"

mark
for _ in 1 2 3 4; do press Tab; done
step "Tab to the mode buttons"
mark
press space
step "Space on minus"

mark
press Escape
step "Escape: back to the start page"

# The print preview of the first worksheet: the printer's picture opens the list (clicked in its
# middle, in the page's 9090 x 7095 twips), the right button on its first row its menu, Enter the
# preview; Tab to the zoom.
eval "$(xdotool getwindowgeometry --shell "$page")"
mark
xdotool mousemove --window "$page" $((WIDTH * 2730 / 9090)) $((HEIGHT * 3995 / 7095)) click 1
sleep 1
step "the printer clicked: the worksheet list"
mark
xdotool mousemove --window "$page" $((WIDTH * 6400 / 9090)) $((HEIGHT * 1330 / 7095)) click 3
sleep 1
step "the right button on the first worksheet: its menu"
mark
press Return
sleep 2
step "Enter: the print preview"
mark
for _ in 1 2 3 4; do press Tab; done
step "Tab four times in the preview: the zoom last"
mark
press Escape
step "Escape: the preview closes"
