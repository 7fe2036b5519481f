#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program from start to end on a virtual display, as a desktop runs it: ended through the door
# ("Ausgang", "Ja"), and ended by a logout's signal while a start box is open, or before its event
# loop runs; a signal ignored at start stays ignored. Every end has status 0, keeps the range and
# leaves no temporary file. In a sanitizer build any report fails it too (leaks included). A
# display that never answers and a missing screen end the start with status 1 and a German word,
# and a session manager that dies leaves the program running.
# Usage: tests/lifecycle.sh <quarimo> <lsan suppressions> <font configuration without faces>
#        [<session manager double>]
set -euo pipefail
quarimo="$(realpath "$1")"
suppressions="$(realpath "$2")"
no_fonts="$(realpath "$3")"
session_manager="${4:+$(realpath "$4")}"
work="$(mktemp -d)"
xvfb=""
pid=""
helper=""
cleanup() {
    [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
    [ -z "$helper" ] || kill -9 "$helper" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "lifecycle: $*" >&2
    [ ! -s "$work/stderr" ] || sed 's/^/    /' "$work/stderr" >&2
    # What was on the screen, and where the program stood, so that a failure far away can be read.
    echo "    windows on the screen:" >&2
    for w in $(timeout 10 xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "      '$(timeout 10 xdotool getwindowname "$w" 2>/dev/null)'" >&2
    done
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && command -v gdb >/dev/null; then
        timeout 60 gdb -p "$pid" -batch -ex 'thread apply all bt 12' 2>/dev/null | grep -E '^(Thread|#)' | sed -E 's/ \(.*//; s/0x[0-9a-f]+ in //' |
            sed 's/^/    /' >&2 || true
    fi
    exit 1
}

unset QT_QPA_PLATFORM WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XAUTHORITY
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="suppressions=$suppressions"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# start <case> <range or "none"> [prefix command...]: starts the program in a folder of its own, on
# a display and with a home of its own, so that no case inherits anything from the one before (a
# pointer left over a control, a service one of them started, a server reset between them).
start() {
    local case="$1" range="$2"
    shift 2
    folder="$work/$case"
    mkdir -p "$folder"
    [ "$range" = none ] || printf '%s\r\n' "$range" >"$folder/QUARIMO.INI"
    [ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; }
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "$case: Xvfb did not start"
    export DISPLAY=":$(head -1 "$work/display")"
    : >"$work/display"
    local env="$work/$case-env"
    export HOME="$env/home" XDG_RUNTIME_DIR="$env/run" XDG_CACHE_HOME="$env/cache" XDG_CONFIG_HOME="$env/config"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    (cd "$folder" && exec "$@" "$quarimo") 2>"$work/stderr" &
    pid=$!
}
window() { # waits for a window by its whole title
    { timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" || true; } | head -1
}
ended() { # <case> <range> [status]: the program ends by itself with status 0 and has kept the range
    local status=0 expected="${3:-0}"
    timeout 60 tail --pid="$pid" -f /dev/null || fail "$1: the program did not end"
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq "$expected" ] || fail "$1: the program ended with status $status"
    [ "$(od -An -c "$folder/QUARIMO.INI" | tr -s ' ')" = " $(echo "$2" | sed 's/./& /g')\\r \\n" ] ||
        fail "$1: the range was not written as $2"
    [ "$(ls -A "$folder")" = QUARIMO.INI ] || fail "$1: left behind: $(ls -A "$folder" | tr '\n' ' ')"
    ! grep -q -E 'Sanitizer|runtime error' "$work/stderr" || fail "$1: a sanitizer report"
}

# Through the door: a click on "Ausgang", then "Ja" (left of the default "Nein").
start door 17
page="$(window 'Q U A R I M O :  Startseite')"
[ -n "$page" ] || fail "door: the start page never appeared"
eval "$(xdotool getwindowgeometry --shell "$page")"
# The door below the notes pinned on it, in the page's 9090 x 7095 twips.
xdotool mousemove --window "$page" $((WIDTH * 1500 / 9090)) $((HEIGHT * 3150 / 7095)) click 1
[ -n "$(window 'Q U A R I M O')" ] || fail "door: \"Ausgang\" did not ask the exit question"
xdotool key shift+Tab space
ended door 17

# A logout while the first start's box is open: the start page is still being made.
start first-start none
[ -n "$(window Zahlenraum)" ] || fail "first start: no box said that QUARIMO.INI is missing"
kill -TERM "$pid"
ended first-start 10

# Started under nohup and as a background job of a script: the ignored signal stays ignored,
# a logout still ends it.
for ignored in HUP INT; do
    start "ignored-$ignored" 12 bash -c "trap '' $ignored; exec \"\$0\""
    [ -n "$(window 'Q U A R I M O :  Startseite')" ] || fail "$ignored ignored: the start page never appeared"
    kill -"$ignored" "$pid"
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "$ignored was ignored at start, yet it ended the program"
    kill -TERM "$pid"
    ended "ignored-$ignored" 12
done

# The display goes away under the program (a session ends without a word, XWayland ends first): Qt
# ends the process itself, with status 1, and the range the child chose is kept all the same.
start display-lost 12
page="$(window 'Q U A R I M O :  Startseite')"
[ -n "$page" ] || fail "display lost: the start page never appeared"
xdotool windowfocus --sync "$page" key Right
sleep 0.5
kill "$xvfb"
wait "$xvfb" 2>/dev/null || true
xvfb=""
ended display-lost 13 1

# A display server that accepts the connection and never answers: the start ends by itself, and a
# logout's signal ends it at once while it waits. No display at all on a frame buffer that is not
# there. Each time status 1, the German words, and no core dump.
failed_start() { # <case> <German words>: the start ended with status 1 and said so
    local status=0
    timeout 60 tail --pid="$pid" -f /dev/null || fail "$1: the program did not end"
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 1 ] || fail "$1: the program ended with status $status"
    grep -q "$2" "$work/stderr" || fail "$1: it did not say \"$2\""
    ! grep -q -E 'Cannot create|Sanitizer|runtime error' "$work/stderr" || fail "$1: said what it should not"
}
[ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; xvfb=""; }
silent=""
command -v python3 >/dev/null || echo "lifecycle: no python3 here to play a silent display, that case is not tried"
command -v python3 >/dev/null && for n in $(seq 180 240); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { silent="$n"; break; }
done
mkdir -p /tmp/.X11-unix "$work/silent"
for ending in itself signal; do
    [ -n "$silent" ] || break
    : >"$work/accepted"
    python3 -c '
import os, socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(8)
open(sys.argv[2], "w").close()
held = []
while True:
    held.append(server.accept()[0])
    open(sys.argv[3], "a").write("accepted\n")
' "/tmp/.X11-unix/X$silent" "$work/listening" "$work/accepted" &
    helper=$!
    for _ in $(seq 100); do [ -e "$work/listening" ] && break; sleep 0.1; done
    rm -f "$work/listening"
    (cd "$work/silent" && DISPLAY=":$silent" exec "$quarimo") 2>"$work/stderr" &
    pid=$!
    if [ "$ending" = signal ]; then
        for _ in $(seq 100); do [ -s "$work/accepted" ] && break; sleep 0.1; done
        kill -TERM "$pid"
    fi
    failed_start "silent display, ended by $ending" "antwortet nicht"
    kill "$helper" 2>/dev/null; wait "$helper" 2>/dev/null || true
    helper=""
    rm -f "/tmp/.X11-unix/X$silent"
done
(cd "$work/silent" && QT_QPA_PLATFORM=linuxfb:fb=/nonexistent/fb0 exec "$quarimo") 2>"$work/stderr" &
pid=$!
failed_start "no screen" "keinen Bildschirm"

# The session manager dies under the program (not a logout): the program runs on, and a logout
# later still ends it keeping the range.
if [ -n "$session_manager" ]; then
    rm -f "$work/manager"
    "$session_manager" >"$work/manager" &
    helper=$!
    for _ in $(seq 100); do [ -s "$work/manager" ] && break; sleep 0.1; done
    start manager-dies 15 env SESSION_MANAGER="$(head -1 "$work/manager")"
    [ -n "$(window 'Q U A R I M O :  Startseite')" ] || fail "manager dies: the start page never appeared"
    grep -q registered "$work/manager" || fail "manager dies: the program did not register with the session manager"
    kill -9 "$helper"
    wait "$helper" 2>/dev/null || true
    helper=""
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "manager dies: the program ended with it"
    kill -TERM "$pid"
    ended manager-dies 15
fi

# A logout while the box about missing text faces is open, before the event loop ever ran. The
# program also reads the faces of its font packages directly: a private mount namespace hides
# them. It comes last, and the faces are looked for afterwards: a sandbox that let the hiding
# reach beyond the program would spoil every later check of this machine.
face=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
faces_still_here() {
    [ -e "$face" ] && return 0
    umount /usr/share/fonts 2>/dev/null || true
    fail "no fonts: hiding the font folder reached beyond its mount namespace"
}
mkdir -p "$work/empty"
hide_fonts=(unshare -m --propagation private)
[ "$(id -u)" -eq 0 ] || hide_fonts=(unshare -r -m --propagation private)
hiding_works=0
if [ -e "$face" ] && "${hide_fonts[@]}" mount --bind "$work/empty" /usr/share/fonts 2>/dev/null; then
    if [ -e "$face" ]; then
        hiding_works=1
    else # the sandbox let the mount out: undo it and leave this case alone
        umount /usr/share/fonts 2>/dev/null || true
    fi
fi
if [ "$hiding_works" = 1 ]; then
    start no-fonts 14 "${hide_fonts[@]}" bash -c \
        "mount --bind '$work/empty' /usr/share/fonts && FONTCONFIG_FILE='$no_fonts' exec \"\$0\""
    [ -n "$(window 'Q U A R I M O')" ] || fail "no fonts: no box said that there is no text face"
    kill -TERM "$pid"
    ended no-fonts 14
    faces_still_here
else
    echo "lifecycle: no private mount namespace here, the start without text faces is not tried"
fi

echo "lifecycle: ended through the door, by a logout during the first start's box and the no-font box, and by the display's end; ignored signals stayed ignored; a silent display and a missing screen ended the start; a dying session manager did not end it"
