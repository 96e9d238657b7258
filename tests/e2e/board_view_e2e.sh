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

look() {  # look NAME [board_check arguments]
    local shot="$work/$1.png"
    shift
    import -window root "$shot"
    "$check" "$shot" "$@"
}
wait_for_window() {  # wait_for_window TITLE present|absent
    for _ in $(seq 50); do
        if xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then
            [ "$2" = present ] && return 0
        else
            [ "$2" = absent ] && return 0
        fi
        sleep 0.1
    done
    echo "window '$1' is not $2" >&2
    return 1
}

# The help window opens by itself; Enter presses Start, which opens the
# Analog Range popup pinned; its Done button closes it.
wait_for_window "Instructions for Settings utility" present
echo "the help window opened by itself"
xdotool key Return
wait_for_window "Instructions for Settings utility" absent
wait_for_window "Analog Range" present
popup=$(xdotool search --onlyvisible --name '^Analog Range$' | head -n1)
read -r px py pw ph < <(xwininfo -id "$popup" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^  Width/{w=$NF} /^  Height/{h=$NF} END{print x, y, w, h}')
xdotool mousemove $((px + pw - 64 + 29)) $((py + ph - 44 + 12)) click 1
wait_for_window "Analog Range" absent
echo "Start opened the Analog Range popup; Done closed it"
xdotool mousemove 1279 1023
sleep 0.3

read -r _ _ x y < <(look rest)
echo "board shown at $x,$y; every circle at rest"

# The gain jumper's circle: 360, 376, 41 x 25 on the board.
xdotool mousemove $((x + 380)) $((y + 388))
wait_for_window "Analog Range" present
sleep 0.3
# The popup may overlap the board's edge: leave out its window and frame.
popup=$(xdotool search --onlyvisible --name '^Analog Range$' | head -n1)
read -r px py pw ph < <(xwininfo -id "$popup" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^  Width/{w=$NF} /^  Height/{h=$NF} END{print x, y, w, h}')
export BOARD_CHECK_SKIP="$((px - 8)) $((py - 30)) $((pw + 16)) $((ph + 40))"
look hover AnalogRangeHighlight1 peak >/dev/null
unset BOARD_CHECK_SKIP
echo "hovering the gain jumper opens the Analog Range popup; both of its circles peak"

# Away from every circle: the popup closes and the board rests again.
xdotool mousemove $((x + 250)) $((y + 150))
wait_for_window "Analog Range" absent
sleep 0.3
look closed >/dev/null
echo "leaving the circle closes the popup"

# A click pins it: it stays when the pointer goes away.
xdotool mousemove $((x + 380)) $((y + 388))
wait_for_window "Analog Range" present
xdotool click 1
xdotool mousemove $((x + 250)) $((y + 150))
sleep 0.5
wait_for_window "Analog Range" present
echo "a click pins the popup"

# The power popup: choosing external power moves the drawn cap to VEXT and
# shows the DC-jack picture; clicking the drawn jumper moves it back.
pixel() {  # pixel X Y -> "R,G,B" of the screen
    import -window root "$work/now.png"
    convert "$work/now.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
expect_pixel() {  # expect_pixel X Y R,G,B WHAT
    local got
    got=$(pixel "$1" "$2")
    [ "$got" = "$3" ] || { echo "$4: pixel $1,$2 is $got, not $3" >&2; exit 1; }
}
xdotool mousemove $((x + 42)) $((y + 254))
wait_for_window "Power" present
xdotool click 1
power=$(xdotool search --onlyvisible --name '^Power$' | head -n1)
read -r px py < <(xwininfo -id "$power" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}')
# In the panel: the jumper at 32, 24 (its left pin at +10, 9), "External Power" at 112, 32,
# the DC-jack picture at 8, 56 (its centre pin near +56, 24).
expect_pixel $((px + 32 + 5)) $((py + 24 + 9)) "128,128,128" "the cap starts on VUSB"
xdotool mousemove $((px + 120)) $((py + 40)) click 1
sleep 0.4
expect_pixel $((px + 32 + 5)) $((py + 24 + 9)) "128,0,0" "External Power puts the cap on VEXT"
expect_pixel $((px + 8 + 56)) $((py + 56 + 24)) "0,0,0" "the DC-jack picture shows"
xdotool mousemove $((px + 32 + 5)) $((py + 24 + 9)) click 1
sleep 0.4
expect_pixel $((px + 32 + 5)) $((py + 24 + 9)) "128,128,128" "a click on the drawn jumper moves the cap back"
expect_pixel $((px + 8 + 56)) $((py + 56 + 24)) "239,239,239" "the DC-jack picture is hidden again"
echo "the power popup keeps its choice and its drawn jumper in step"
