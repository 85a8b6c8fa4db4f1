#!/usr/bin/env bash
# Enlarges the program's window on a virtual X display, through X as a drag of its border does,
# and with the zoom keys as real key presses, and checks what shows: the button faces at their
# places times the scale, the window's colour around the design and below its list strip, the
# window's size after each key, and a transcript into which no key typed anything.
# Usage: scale_window_x11.sh <proporcia executable>
set -euo pipefail
program=$1
root=$(cd "$(dirname "$0")/../.." && pwd)

# shellcheck source=../../scripts/lib/x11-session.sh
source "$root/scripts/lib/x11-session.sh"
# Room for the largest window below at QT_SCALE_FACTOR=2.
export PROPORCIA_SCREEN_SIZE=2560x2048
proporcia_on_virtual_display || proporcia_restart_on_virtual_display "$0" "$@"

readonly ratio=${QT_SCALE_FACTOR:-1}
readonly window_colour=C0C0FF
shot=$(mktemp --suffix=.png)
trap 'proporcia_stop; rm -f "$shot"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Evaluates an arithmetic expression and prints it rounded down to a whole number.
whole() { awk "BEGIN { v = $1; printf \"%d\", (v < 0 && v != int(v)) ? int(v) - 1 : int(v) }"; }

# Device pixels of a logical length.
device() { whole "$1 * $ratio"; }

resize_to() { xdotool windowsize "$PROPORCIA_WINDOW" "$(device "$1")" "$(device "$2")"; }

window_size() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$PROPORCIA_WINDOW" | grep -E '^(WIDTH|HEIGHT)=')"
    echo "$((WIDTH)) $((HEIGHT))"
}

# Waits up to 10 s for the window to be the given logical size.
expect_size() {
    local what=$1 expected
    expected="$(device "$2") $(device "$3")"
    for _ in $(seq 50); do
        [ "$(window_size)" = "$expected" ] && return 0
        sleep 0.2
    done
    fail "$what: the window is $(window_size) device pixels, not $expected"
}

# Waits up to 10 s for a screenshot with every given colour at its logical place: each argument
# is "x y RRGGBB".
expect_colours() {
    local what=$1 expected='' found spec x y
    shift
    for spec in "$@"; do
        expected+=" ${spec##* }"
    done
    for _ in $(seq 50); do
        proporcia_screenshot "$shot"
        found=
        for spec in "$@"; do
            read -r x y _ <<<"$spec"
            found+=" $(convert "$shot" -format "%[hex:p{$(device "$x"),$(device "$y")}]" info:)"
        done
        [ "$found" = "$expected" ] && return 0
        sleep 0.2
    done
    fail "$what: expected$expected, found$found (x y colour: $*)"
}

# Resizes the window to width × height and expects the design at the given scale, centred.
expect_design_at() {
    local what=$1 width=$2 height=$3 scale=$4 left top bottom checks=()
    left=$(whole "($width - 466 * $scale) / 2")
    top=$(whole "($height - 324 * $scale) / 2")
    resize_to "$width" "$height"
    # Points on the button faces clear of their captions, at the design's size.
    checks+=("$(whole "394 * $scale + $left") $(whole "44 * $scale + $top") 80FF80")
    checks+=("$(whole "394 * $scale + $left") $(whole "76 * $scale + $top") 8080FF")
    if [ "$left" -gt 0 ]; then
        checks+=("$((left / 2)) $((height / 2)) $window_colour")
    fi
    if [ "$top" -gt 0 ]; then
        # Below the design, where the list strip would run on if it were not cut off.
        bottom=$(whole "$top + 324 * $scale")
        checks+=("$(whole "40 * $scale + $left") $(((bottom + height) / 2)) $window_colour")
    fi
    expect_colours "$what" "${checks[@]}"
    echo "ok: $what"
}

proporcia_start "$program"
expect_size "opens as designed" 466 324
expect_design_at "as designed" 466 324 1
expect_design_at "twice" 932 648 2
expect_design_at "twice, wide" 1240 648 2
expect_design_at "twice, tall" 932 1000 2
expect_design_at "two and a half times" 1165 810 2.5

resize_to 466 324
expect_size "back to the design" 466 324
before=$(proporcia_copy_transcript) || fail "copying the transcript"
xdotool mousemove --window "$PROPORCIA_WINDOW" 1 1
for step in "ctrl+plus 583 405" "ctrl+KP_Add 699 486" "ctrl+equal 932 648" \
    "ctrl+minus 699 486" "ctrl+KP_Subtract 583 405" "ctrl+0 466 324"; do
    read -r key width height <<<"$step"
    xdotool key --clearmodifiers "$key"
    expect_size "$key" "$width" "$height"
    echo "ok: $key to $width x $height"
done
after=$(proporcia_copy_transcript) || fail "copying the transcript"
[ "$after" = "$before" ] || fail "a zoom key typed into the transcript"
echo "PASS: the window scales on X at QT_SCALE_FACTOR ${QT_SCALE_FACTOR:-1}"
