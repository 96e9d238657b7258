#!/usr/bin/env bash
# Runs the real program under Xvfb and openbox, looks at the screen, hovers
# a circle and looks again.   board_view_e2e.sh PROGRAM BOARD_CHECK
set -euo pipefail
program=$1
check=$2
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 0.5

xdotool mousemove 1279 1023
"$program" >"$work/program.log" 2>&1 &
pids+=($!)
xdotool search --sync --onlyvisible --name '^Setup$' >/dev/null
sleep 1

import -window root "$work/rest.png"
read -r _ _ x y < <("$check" rest "$work/rest.png")
echo "board shown at $x,$y; every circle at rest"

# The gain jumper's circle: 360, 376, 41 x 25 on the board.
xdotool mousemove $((x + 380)) $((y + 388))
sleep 0.5
import -window root "$work/lit.png"
"$check" lit "$work/lit.png" AnalogRangeHighlight1 >/dev/null
echo "hovering the gain jumper lights both analog-range circles"
