# shellcheck shell=bash
# Checks of a window enlarged on an X display, for the Linux and the Windows programs alike: the
# size of its client area, and colours found in screenshots where the scaled design puts them.
# Sourced through helpers.sh. A test that uses them sets SCALED_SHOT to a file for the
# screenshots and PROPORCIA_SCALE where QT_SCALE_FACTOR does not give it, and starts the program
# with proporcia_start, which gives PROPORCIA_WINDOW.
# Where the X window holds a frame the program draws itself (Wine's), set FRAME to its widths,
# left, top, right and bottom, and define resize_window to drag the frame's border.

readonly WINDOW_COLOUR=C0C0FF
FRAME=(0 0 0 0)

# Gives the client area the size "width height" in its pixels: through X, as a window manager
# does when the border is dragged.
resize_window() { xdotool windowsize "$PROPORCIA_WINDOW" "$1" "$2"; }

# Evaluates an arithmetic expression and prints it rounded down to a whole number.
whole() { awk "BEGIN { v = $1; printf \"%d\", (v < 0 && v != int(v)) ? int(v) - 1 : int(v) }"; }

# The window's pixels for a length in pixels of the design at scale 1.
device() { whole "$1 * $PROPORCIA_SCALE"; }

# The client area's size in the window's pixels, "width height".
window_size() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$PROPORCIA_WINDOW" | grep -E '^(WIDTH|HEIGHT)=')"
    echo "$((WIDTH - FRAME[0] - FRAME[2])) $((HEIGHT - FRAME[1] - FRAME[3]))"
}

# Waits up to 20 s for the client area to be the given size, "width height" in its pixels.
expect_window_size() {
    local what=$1 expected=$2
    for _ in $(seq 100); do
        [ "$(window_size)" = "$expected" ] && return 0
        sleep 0.2
    done
    fail "$what: the window is $(window_size), not $expected"
}

# Waits up to 20 s for a screenshot with every given colour at its place: each argument after
# the first is "x y RRGGBB", in the client area's pixels.
expect_colours() {
    local what=$1 expected='' found probe x y
    shift
    for probe in "$@"; do
        expected+=" ${probe##* }"
    done
    for _ in $(seq 100); do
        import -window "$PROPORCIA_WINDOW" "$SCALED_SHOT" 2>/dev/null || true
        found=
        for probe in "$@"; do
            read -r x y _ <<<"$probe"
            found+=" $(convert "$SCALED_SHOT" -format "%[hex:p{$((x + FRAME[0])),$((y + FRAME[1]))}]" \
                info: 2>/dev/null)"
        done
        [ "$found" = "$expected" ] && return 0
        sleep 0.2
    done
    fail "$what: expected$expected, found$found (x y colour: $*)"
}

# Expects the design at the given scale, centred in a window of width × height in its own
# pixels: the button faces at their places, the window's colour beside the design and below it,
# where the list strip would run on if it were not cut off.
expect_design_shown() {
    local what=$1 w=$2 h=$3 scale=$4 left top bottom checks=()
    left=$(whole "($w - $(device 466) * $scale) / 2")
    top=$(whole "($h - $(device 324) * $scale) / 2")
    # Points on the button faces clear of their captions.
    checks+=("$(whole "$(device 394) * $scale + $left") $(whole "$(device 44) * $scale + $top") 80FF80")
    checks+=("$(whole "$(device 394) * $scale + $left") $(whole "$(device 76) * $scale + $top") 8080FF")
    if [ "$left" -gt 0 ]; then
        checks+=("$((left / 2)) $((h / 2)) $WINDOW_COLOUR")
    fi
    if [ "$top" -gt 0 ]; then
        bottom=$(whole "$top + $(device 324) * $scale")
        checks+=("$(whole "$(device 40) * $scale + $left") $(((bottom + h) / 2)) $WINDOW_COLOUR")
    fi
    expect_colours "$what" "${checks[@]}"
}

# Resizes the client area, as a drag of the window's border does, to width × height (at the
# design's scale 1), and expects the design there at the given scale.
expect_design_at() {
    local w h
    w=$(device "$2")
    h=$(device "$3")
    resize_window "$w" "$h"
    expect_design_shown "$1" "$w" "$h" "$4"
    echo "ok: $1"
}
