#!/usr/bin/env bash
# Enlarges the real program's window under Wine on a virtual display: by dragging its border
# with the mouse, and with the zoom keys and F11 as real key presses. Checks what shows: the button
# faces at their places times the scale, the window's colour around the design and below its list
# strip, the window's size after each key, and a transcript into which no key typed anything.
# Usage: scale_window_wine.sh <wine prefix> <proporcia.exe> <dots per inch>
set -euo pipefail
export PROPORCIA_WINE_PREFIX=$1
program=$2
dpi=$3
# A full HD projector at 100 %, or a 4K screen at 200 %: room for the design at 250 %.
if [ "$dpi" -gt 96 ]; then
    export PROPORCIA_SCREEN_SIZE=3840x2160
else
    export PROPORCIA_SCREEN_SIZE=1920x1080
fi
# shellcheck source=wine-session.sh
source "$(dirname "$0")/wine-session.sh"

wine_ensure_prefix
proporcia_on_virtual_display || proporcia_restart_on_virtual_display "$0" "$@"

SCALED_SHOT=$(mktemp --suffix=.png)
finish() {
    wine_end_session "$PROPORCIA_PID"
    rm -f "$SCALED_SHOT"
}
trap finish EXIT
# A window Wine frames itself, as the virtual display has no window manager: Wine 10 leaves a
# window it hands to a window manager as it was, until one takes it. Its border is dragged as on
# Windows, through Wine's own sizing of the window.
wine_set_dpi "$dpi"
wine_stop
PROPORCIA_SCALE="$dpi / 96"

# Drags the bottom right corner of the window's frame until the client area is "width height".
resize_window() {
    local X Y WIDTH HEIGHT from_x from_y to_x to_y
    eval "$(xdotool getwindowgeometry --shell "$PROPORCIA_WINDOW" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    # Within the sizing border, a pixel or two from the corner.
    from_x=$((X + WIDTH - 2))
    from_y=$((Y + HEIGHT - 2))
    to_x=$((X + $1 + FRAME[0] + FRAME[2] - 2))
    to_y=$((Y + $2 + FRAME[1] + FRAME[3] - 2))
    xdotool mousemove "$from_x" "$from_y" sleep 0.2 mousedown 1 sleep 0.2 \
        mousemove $(((from_x + to_x) / 2)) $(((from_y + to_y) / 2)) sleep 0.2 \
        mousemove "$to_x" "$to_y" sleep 0.2 mouseup 1
}

# Waits for the window to be the size of the design at the given per cent: its 6990 × 4860
# twips, each rounded to whole pixels.
expect_size() {
    expect_window_size "$1" "$(awk -v dpi="$dpi" -v percent="$2" 'BEGIN {
        k = dpi / 1440 * percent / 100
        printf "%d %d", int(6990 * k + 0.5), int(4860 * k + 0.5) }')"
}

export LC_ALL=C.UTF-8  # for this script and the X tools
proporcia_start wine "$program"
# The window opens as designed; what the X window holds besides is the frame, whose border is
# as wide at the bottom as at the sides.
read -r designed_width designed_height <<<"$(awk -v dpi="$dpi" 'BEGIN {
    k = dpi / 1440; printf "%d %d", int(6990 * k + 0.5), int(4860 * k + 0.5) }')"
read -r outer_width outer_height <<<"$(window_size)"
border=$(((outer_width - designed_width) / 2))
FRAME=("$border" $((outer_height - designed_height - border)) "$border" "$border")
echo "the frame: ${FRAME[*]}"
expect_size "opens as designed" 100
expect_design_at "as designed" 466 324 1
expect_design_at "twice" 932 648 2
expect_design_at "twice, wide" 1240 648 2
expect_design_at "twice, tall" 932 1000 2
expect_design_at "two and a half times" 1165 810 2.5
resize_window "$(device 466)" "$(device 324)"
expect_size "back to the design" 100

# Real key presses (XTEST) go to the window with the keyboard's focus: the transcript, clicked.
xdotool mousemove --window "$PROPORCIA_WINDOW" "$(device 232)" "$(device 200)" click 1
before=$(copy_transcript select_and_copy_under_pointer)
for step in "ctrl+plus 125" "ctrl+KP_Add 150" "ctrl+equal 200" "ctrl+minus 150" \
    "ctrl+KP_Subtract 125" "ctrl+0 100"; do
    read -r key percent <<<"$step"
    xdotool key --clearmodifiers "$key"
    expect_size "$key" "$percent"
    echo "ok: $key to $percent %"
done
read -r screen_width screen_height <<<"$(xdotool getdisplaygeometry)"
# With no window manager the keys go to the window under the pointer, and the steps may have
# moved the window from under it: near the screen's corner, it grows away from the corner.
xdotool mousemove --window "$PROPORCIA_WINDOW" "$(device 232)" "$(device 200)"
xdotool key F11
framed=("${FRAME[@]}")
FRAME=(0 0 0 0)  # full screen, the window has none
expect_window_size "F11" "$screen_width $screen_height"
scale=$(awk -v h="$screen_height" -v d="$(device 324)" 'BEGIN { print h / d }')
expect_design_shown "full screen" "$screen_width" "$screen_height" "$scale"
echo "ok: F11 to the whole screen"
xdotool key Escape
FRAME=("${framed[@]}")
expect_size "Esc" 100
echo "ok: Esc back to the design"
after=$(copy_transcript select_and_copy_under_pointer)
[ "$after" = "$before" ] || fail "a key typed into the transcript"
echo "PASS: the window scales under Wine at $dpi dots per inch"
