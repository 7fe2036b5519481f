#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program reading aloud on a virtual display against a stand-in speech service that talks
# nonsense from the start, is restarted while the program is idle, dies, is started again by the
# program, hangs, and has no German voice. The program must stay up through all of it, come back
# to a service that is there again, and never send a word to a service without a German voice.
# Usage: tests/speech_service.sh <quarimo> <fake_speechd.py>
set -euo pipefail
quarimo="$(realpath "$1")"
fake="$(realpath "$2")"
for tool in Xvfb xdotool python3; do
    command -v "$tool" >/dev/null || { echo "speech service: no $tool here, not tried"; exit 77; }
done
work="$(mktemp -d)"
sock="$work/speechd.sock"
log="$work/service.log"
xvfb=""
pid=""
service=""
cleanup() {
    [ -z "$pid" ] || { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true
    [ -z "$service" ] || { kill -9 "$service" && wait "$service"; } 2>/dev/null || true
    [ ! -s "$work/spawned.pid" ] || kill -9 "$(cat "$work/spawned.pid")" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "speech service: $*" >&2
    [ ! -s "$work/stderr" ] || sed 's/^/    program: /' "$work/stderr" >&2
    [ ! -s "$log" ] || tail -n 30 "$log" | sed 's/^/    service: /' >&2
    exit 1
}

unset QT_QPA_PLATFORM WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XAUTHORITY
export SPEECHD_ADDRESS="unix_socket:$sock"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The service's program as the program finds it on PATH for its autospawn: it starts the stand-in
# in the mode written in spawn-mode, or refuses with "none"; every call is written down.
mkdir -p "$work/bin"
echo none >"$work/spawn-mode"
cat >"$work/bin/speech-dispatcher" <<EOF
#!/bin/sh
echo "\$*" >>"$work/spawned"
mode="\$(cat "$work/spawn-mode")"
[ "\$mode" != none ] || exit 1
rm -f "$sock"
python3 "$fake" "$sock" "$log" "\$mode" </dev/null >/dev/null 2>&1 &
echo \$! >"$work/spawned.pid"
for _ in \$(seq 100); do [ -S "$sock" ] && exit 0; sleep 0.1; done
exit 1
EOF
chmod +x "$work/bin/speech-dispatcher"
export PATH="$work/bin:$PATH"
: >"$log"
: >"$work/spawned"

serve() { # <mode>: a fresh service on the socket
    rm -f "$sock"
    python3 "$fake" "$sock" "$log" "$1" </dev/null >/dev/null 2>&1 &
    service=$!
    for _ in $(seq 100); do [ -S "$sock" ] && return 0; sleep 0.1; done
    fail "the stand-in service did not start"
}
stop_service() { # ends the service at once, as a crash does; its socket stays behind
    [ -z "$service" ] || { kill -9 "$service" 2>/dev/null; wait "$service" 2>/dev/null || true; }
    service=""
    if [ -s "$work/spawned.pid" ]; then
        kill -9 "$(cat "$work/spawned.pid")" 2>/dev/null || true
        : >"$work/spawned.pid"
    fi
}
mark() { seen=$(wc -l <"$log"); }
heard() { # <pattern> [tenths of a second]: waits until the service got a matching line since the mark
    for _ in $(seq "${2:-200}"); do
        tail -n +"$((seen + 1))" "$log" | grep -q -E "$1" && return 0
        kill -0 "$pid" 2>/dev/null || fail "the program ended (status of a crash?) while waiting for '$1'"
        sleep 0.1
    done
    return 1
}
alive() { # <case>
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "$1: the program ended"
    ! grep -q -E 'Sanitizer|runtime error|libspeechd' "$work/stderr" || fail "$1: a report on stderr"
}
press() { xdotool windowfocus --sync "$page" key "$@"; }
hover_loudspeaker() { # the pointer leaves the loudspeaker and comes back: it asks the service again
    eval "$(xdotool getwindowgeometry --shell "$page")"
    xdotool mousemove --window "$page" $((WIDTH / 2)) $((HEIGHT / 2))
    sleep 0.3
    # The loudspeaker's middle, in the page's 9090 x 7095 twips.
    xdotool mousemove --window "$page" $((WIDTH * 487 / 9090)) $((HEIGHT * 2947 / 7095))
}
asked_again() { # <pattern>: the pointer comes to the loudspeaker until the service hears it; the
    # service may still be busy with an earlier try when it first comes
    for _ in $(seq 10); do
        hover_loudspeaker
        heard "$1" 30 && return 0
    done
    return 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"

# Nonsense from the very first answer, while the start page is being built: the page comes all
# the same, and the program goes on without a voice.
serve nonsense
mkdir -p "$work/folder"
printf '12\r\n' >"$work/folder/QUARIMO.INI"
mark
(cd "$work/folder" && exec "$quarimo" --vorlesen) 2>"$work/stderr" &
pid=$!
page="$({ timeout 60 xdotool search --sync --onlyvisible --name '^Q U A R I M O :  Startseite$' || true; } | head -1)"
[ -n "$page" ] || fail "nonsense: the start page never appeared"
heard 'CLIENT_NAME' || fail "nonsense: the program never asked the service"
alive nonsense
! grep -q '^SAID' "$log" || fail "nonsense: a text went to a service that talks nonsense"

# The service is back: the pointer on the loudspeaker asks again, and reading comes back on.
stop_service
serve german
mark
asked_again '^SAID Vorlesen an$' || fail "back: reading did not come back with the service"
alive back

# Restarted while the program is idle: the next words go to the new service.
stop_service
serve german
mark
press Tab
heard '^SAID ' || fail "restarted: the words never reached the restarted service"
alive restarted

# Dead while the program is idle, and it cannot be started again: the program tries, once, and
# goes on in silence.
stop_service
mark
spawns=$(wc -l <"$work/spawned")
press Tab
for _ in $(seq 100); do [ "$(wc -l <"$work/spawned")" -gt "$spawns" ] && break; sleep 0.1; done
[ "$(wc -l <"$work/spawned")" -gt "$spawns" ] || fail "dead: the program never tried to start the service"
grep -q -- "--spawn --communication-method unix_socket --socket-path $sock" "$work/spawned" ||
    fail "dead: the service was started otherwise: $(tail -1 "$work/spawned")"
alive dead
press Tab
alive "dead, more words"

# The program starts it itself the next time: reading comes back.
echo german >"$work/spawn-mode"
mark
asked_again '^SAID Vorlesen an$' || fail "started by the program: reading did not come back"
alive "started by the program"
echo none >"$work/spawn-mode"

# A service that takes the connection and never answers.
stop_service
serve mute
mark
press Tab
heard 'CLIENT_NAME|CANCEL' || fail "mute: the program never asked the service"
alive mute
press Tab Tab
alive "mute, more words"

# A service without a German voice: asked, but never given a word to say.
stop_service
serve english
mark
asked_again 'LIST SYNTHESIS_VOICES' || fail "no German voice: the program never looked for one"
press Tab Tab
alive "no German voice"
! tail -n +"$((seen + 1))" "$log" | grep -q '^SAID' || fail "no German voice: a text went to a foreign voice"

kill -TERM "$pid"
status=0
timeout 30 tail --pid="$pid" -f /dev/null || fail "the program did not end"
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "speech service: the program stayed up through nonsense, a restart, a dead, a mute and a foreign service"
