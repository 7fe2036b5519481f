#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and memory: the program against an empty Qt window of the same size, under Xvfb,
# from process start to the first painted frame, over interleaved rounds.
# Usage: bench/startup.sh [build-directory] [rounds]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
rounds="${2:-15}"
program="$build/bench/quarimo_first_frame"
floor="$build/bench/empty_window_first_frame"
[ -x "$program" ] && [ -x "$floor" ] || { echo "build the benchmarks first ($build)" >&2; exit 2; }

work="$(mktemp -d)"
# Xvfb picks a free display itself and names it once it accepts clients: a display chosen at
# random may be taken, and a fixed wait may be too short on a busy machine.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for ((wait = 0; wait < 100; wait++)); do
    [ -s "$work/display" ] && break
    kill -0 $xvfb 2>/dev/null || { echo "Xvfb did not start" >&2; exit 2; }
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start within 10 s" >&2; exit 2; }
printf ' 15 \r\n' >"$work/QUARIMO.INI"
cd "$work"
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work"

measure() { # prints microseconds and peak KB of one start of the command given
    local start end kb attempt
    # On a shared machine a start now and then cannot reach the display; it is no sample, so it
    # is tried again, but not for ever.
    for ((attempt = 1; attempt <= 3; attempt++)); do
        start=$(date +%s%N)
        if read -r end kb _ < <("$@" 2>"$work/stderr.txt"); then
            echo "$(( (end - start) / 1000 )) $kb"
            return
        fi
        echo "$(basename "$1") ended without painting a frame (attempt $attempt):" >&2
        cat "$work/stderr.txt" >&2
    done
    exit 1
}

# Warms the caches, and tells the size of the start page as painted on this screen (it follows
# the screen's zoom): the empty window is given the same size.
read -r _ _ width height < <("$program" 2>/dev/null) || { echo "quarimo painted no frame" >&2; exit 1; }
floor=("$floor" "$width" "$height")
"${floor[@]}" >/dev/null 2>&1
: >"$work/floor.txt"; : >"$work/program.txt"
for ((i = 0; i < rounds; i++)); do
    measure "${floor[@]}" >>"$work/floor.txt"
    measure "$program" >>"$work/program.txt"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
floor_us=$(cut -d' ' -f1 "$work/floor.txt" | median)
program_us=$(cut -d' ' -f1 "$work/program.txt" | median)
floor_kb=$(cut -d' ' -f2 "$work/floor.txt" | sort -n | tail -1)
program_kb=$(cut -d' ' -f2 "$work/program.txt" | sort -n | tail -1)
awk -v f="$floor_us" -v p="$program_us" -v fk="$floor_kb" -v pk="$program_kb" -v n="$rounds" -v size="${width}x$height" 'BEGIN {
    printf "window size %s\n", size
    printf "start to first frame, median of %d rounds: empty window %.1f ms, quarimo %.1f ms, ratio %.2f\n", n, f / 1000, p / 1000, p / f
    printf "peak resident memory: empty window %.1f MB, quarimo %.1f MB, ratio %.2f\n", fk / 1024, pk / 1024, pk / fk
}'
