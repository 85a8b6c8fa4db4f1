#!/usr/bin/env bash
# Enlarges the program's window on a virtual X display, through X as a drag of its border does,
# and with the zoom keys as real key presses, and checks what shows: the button faces at their
# places times the scale, the window's colour around the design and below its list strip, the
# window's size after each key, and a transcript into which no key typed anything.
# Usage: scale_window_x11.sh <proporcia executable>
set -euo pipefail
program=$1
root=$(cd "$(dirname "$0")/../.." && pwd)

# shellcheck source=../lib/helpers.sh
source "$root/tests/lib/helpers.sh"
# Room for the largest window below at QT_SCALE_FACTOR=2.
export PROPORCIA_SCREEN_SIZE=2560x2048
proporcia_on_virtual_display || proporcia_restart_on_virtual_display "$0" "$@"

SCALED_SHOT=$(mktemp --suffix=.png)
trap 'proporcia_stop; rm -f "$SCALED_SHOT"' EXIT

resize_to() { xdotool windowsize "$PROPORCIA_WINDOW" "$(device "$1")" "$(device "$2")"; }

# Waits for the window to be the given logical size.
expect_size() { expect_window_size "$1" "$(device "$2") $(device "$3")"; }

proporcia_start "$program"
expect_size "opens as designed" 466 324
expect_design_at "as designed" 466 324 1
expect_design_at "twice" 932 648 2
expect_design_at "twice, wide" 1240 648 2
expect_design_at "twice, tall" 932 1000 2
expect_design_at "two and a half times" 1165 810 2.5

resize_to 466 324
expect_size "back to the design" 466 324
before=$(copy_transcript)
xdotool mousemove --window "$PROPORCIA_WINDOW" 1 1
for step in "ctrl+plus 583 405" "ctrl+KP_Add 699 486" "ctrl+equal 932 648" \
    "ctrl+minus 699 486" "ctrl+KP_Subtract 583 405" "ctrl+0 466 324"; do
    read -r key width height <<<"$step"
    xdotool key --clearmodifiers "$key"
    expect_size "$key" "$width" "$height"
    echo "ok: $key to $width x $height"
done
after=$(copy_transcript)
[ "$after" = "$before" ] || fail "a zoom key typed into the transcript"
echo "PASS: the window scales on X at QT_SCALE_FACTOR ${QT_SCALE_FACTOR:-1}"
