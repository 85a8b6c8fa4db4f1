# shellcheck shell=bash
# Drives the program on an X display with real input events: xdotool for the mouse and the
# keyboard, xclip to read the clipboard, ImageMagick's import for screenshots. Sourced through
# helpers.sh; all but the first two functions need DISPLAY to be set.
#
# Positions are in the window's logical pixels, those of the design at scale 1; the window's own
# are PROPORCIA_SCALE times them. That follows QT_SCALE_FACTOR; a test under Wine sets it to an
# expression such as "192 / 96", its dots per inch over Windows' 96.

readonly MAKE_PROBLEM_BUTTON='424 52'
readonly SOLVE_BUTTON='424 84'
readonly TRANSCRIPT_MIDDLE='232 200'
PROPORCIA_SCALE=${QT_SCALE_FACTOR:-1}
PROPORCIA_PID=
PROPORCIA_WINDOW=
# The transcript as read_transcript last read it, an element a line; fail shows it.
lines=()

# Whether this script already runs on the virtual display proporcia_restart_on_virtual_display
# made.
proporcia_on_virtual_display() { [ -n "${PROPORCIA_INSIDE_XVFB:-}" ]; }

# Runs the given script (and its arguments) again on a new virtual X display, in place of this
# process. The screen is PROPORCIA_SCREEN_SIZE pixels (default 1280x1024); see
# scripts/on-virtual-display.sh.
proporcia_restart_on_virtual_display() {
    PROPORCIA_INSIDE_XVFB=1 exec \
        "$(dirname "${BASH_SOURCE[0]}")/../../scripts/on-virtual-display.sh" "$@"
}

# Starts the program (the command given as arguments, which must exec the program itself, or
# Wine) on this X display, even inside a Wayland session, and waits until its window is shown.
# The window is found by the program's process id, not by its Cyrillic title, whose legacy
# WM_NAME a program in a non-UTF-8 locale writes garbled; and only a shown one, as Wine's process
# has windows (its input method's) that never are. Stops the program and fails if none shows.
proporcia_start() {
    WAYLAND_DISPLAY='' QT_QPA_PLATFORM=xcb "$@" &
    PROPORCIA_PID=$!
    if ! PROPORCIA_WINDOW=$(timeout 30 xdotool search --sync --all --onlyvisible \
        --pid "$PROPORCIA_PID" | head -n 1) || [ -z "$PROPORCIA_WINDOW" ]; then
        proporcia_stop
        fail "the window did not appear within 30 s"
    fi
    # The first paint happens just after mapping.
    sleep 0.5
}

proporcia_stop() {
    [ -n "$PROPORCIA_PID" ] || return 0
    kill "$PROPORCIA_PID" 2>/dev/null || true
    wait "$PROPORCIA_PID" 2>/dev/null || true
    PROPORCIA_PID=
}

# The window's own pixels, "x y", for a logical position (x y).
proporcia_scaled() {
    awk -v x="$1" -v y="$2" "BEGIN { s = $PROPORCIA_SCALE; printf \"%d %d\", x * s, y * s }"
}

# Clicks at a logical position (x y) of the window.
proporcia_click() {
    local x y
    read -r x y <<<"$(proporcia_scaled "$1" "$2")"
    xdotool mousemove --window "$PROPORCIA_WINDOW" "$x" "$y" click 1
    sleep 0.3
}

proporcia_make_problem() { proporcia_click $MAKE_PROBLEM_BUTTON; }
proporcia_solve() { proporcia_click $SOLVE_BUTTON; }

# Runs the given command, which copies something, and prints what it put on the clipboard. A
# program busy on a loaded machine can miss the keys of a copy (Wine did, at load 5 on 2 cores),
# so the command runs again every 2 s until something arrives. Fails after 30 s.
proporcia_clipboard_after() {
    local sentinel="not copied yet $RANDOM" text attempt
    printf '%s' "$sentinel" | xclip -selection clipboard >/dev/null 2>&1
    for attempt in $(seq 300); do
        if [ $((attempt % 20)) -eq 1 ]; then
            [ "$attempt" -eq 1 ] || echo "Copying again: nothing on the clipboard yet" >&2
            "$@"
        fi
        # A failed read (no owner yet, or one too busy to answer in 5 s) is no copy either.
        if text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null && echo .) &&
            [ "$text" != "$sentinel." ]; then
            printf '%s' "${text%.}"
            return 0
        fi
        sleep 0.1
    done
    echo "Nothing reached the clipboard within 30 s" >&2
    return 1
}

# Clicks into the transcript, selects all and copies, with the keys sent to the window. With no
# window manager xdotool warns as it sends them.
select_and_copy() {
    proporcia_click $TRANSCRIPT_MIDDLE
    xdotool key --window "$PROPORCIA_WINDOW" ctrl+a ctrl+c 2>/dev/null
}

# Selects all and copies with real key presses, for a transcript that has the keyboard's focus
# already. With no window manager they go to the window under the pointer, so the pointer goes
# over the transcript first: a change of size may have left it outside the window.
select_and_copy_under_pointer() {
    local x y
    read -r x y <<<"$(proporcia_scaled $TRANSCRIPT_MIDDLE)"
    xdotool mousemove --window "$PROPORCIA_WINDOW" "$x" "$y"
    xdotool key ctrl+a ctrl+c
}

# Prints the transcript as the user copies it out (Wine's clipboard turns CR LF into LF),
# selected by select_and_copy or by the command given. Fails saying where the pointer and the
# window were, as a copy that never arrives mostly went to the wrong place.
copy_transcript() {
    proporcia_clipboard_after "${@:-select_and_copy}" ||
        fail "copying the transcript; the pointer: $(xdotool getmouselocation 2>&1), the window:" \
            "$(xdotool getwindowgeometry "$PROPORCIA_WINDOW" 2>&1 | tr '\n' ' ')"
}

# Copies the transcript, as copy_transcript does, into lines.
read_transcript() {
    local text
    text=$(copy_transcript "$@") || exit 1
    # shellcheck disable=SC2034  # for the test, and for fail
    mapfile -t lines <<<"$text"
}

proporcia_screenshot() {
    import -window "$PROPORCIA_WINDOW" "$1"
}
