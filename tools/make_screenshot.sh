#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Re-makes docs/screenshot.png from the real program. On a private X display
# with a window manager it draws a problem with carrying, reads the two
# numbers off the screen by matching the digit boxes against the digit
# pictures, writes the answer and the carried ones with the mouse as a child
# does, judges it, and saves the practice window with its frame.
#   tools/make_screenshot.sh [PROGRAM]     (default: build/app/app/porominka)
# Needs the SCREENSHOT_PACKAGES of scripts/packages.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(readlink -f "${1:-$root/build/app/app/porominka}")
out=$root/docs/screenshot.png
work=$(mktemp -d)

n=90
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
export DISPLAY=:$n QT_QPA_PLATFORM=xcb
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
sleep 1
(cd "$root/assets" && exec "$program" --mute) >"$work/program.log" 2>&1 & pids=($! "${pids[@]}")
window=$(xdotool search --sync --onlyvisible --name 'Ver\.')
sleep 1

# Places in the practice window's client area: the problem panel's corner,
# the column lefts, the main button, the keypad keys and two radio items.
panel_left=280 panel_top=8
column_left=(51 96 141 186)
main_button="568 228"

click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.3
}
# Picks a key's symbol up, carries it onto a cell and lets it go there.
carry() {
    local key_x=$((278 + 32 * $1)) cell_x=$(($2 + 20)) cell_y=$3
    xdotool mousemove --window "$window" "$key_x" 291 mousedown 1 sleep 0.2 \
        mousemove --window "$window" "$cell_x" "$cell_y" sleep 0.2 mouseup 1 sleep 0.2 \
        mousemove --window "$window" $((cell_x + 1)) "$cell_y"
    sleep 0.3
}
# The number shown in one row of digit boxes; a box matching no digit
# picture is an empty leading place.
read_number() {
    local top=$1 number=0 column digit
    for column in 0 1 2 3; do
        convert "$work/window.png" -crop "41x35+$((panel_left + column_left[column]))+$((panel_top + top))" \
            +repage "$work/box.png"
        for digit in 0 1 2 3 4 5 6 7 8 9; do
            if [ "$(compare -metric AE "$work/box.png" "$root/assets/n$digit.bmp" null: 2>&1)" = 0 ]; then
                number=$((number * 10 + digit))
            fi
        done
    done
    echo "$number"
}

click 40 85        # はんい: １００までつかう
click 40 205       # くりあがり: くりあがり（さがり）あり
click ${main_button}
import -window "$window" "$work/window.png"
upper=$(read_number 83)
lower=$(read_number 122)
sum=$((upper + lower))
echo "problem: $upper + $lower = $sum"

# The answer from the units leftwards, then a 1 above each column that a
# carry comes into.
answer_top=$((panel_top + 173 + 17)) notes_top=$((panel_top + 45 + 17))
rest=$sum column=3
while :; do
    carry $((rest % 10)) $((panel_left + column_left[column])) "$answer_top"
    rest=$((rest / 10)) column=$((column - 1))
    [ "$rest" -gt 0 ] || break
done
carried=0
for column in 3 2 1; do
    place=$((10 ** (3 - column)))
    carried=$(((upper / place % 10 + lower / place % 10 + carried) / 10))
    [ "$carried" = 0 ] || carry 1 $((panel_left + column_left[column - 1])) "$notes_top"
done
click ${main_button}
sleep 0.5
mkdir -p "$(dirname "$out")"
import -frame -window "$window" "$out"
echo "saved $out"
