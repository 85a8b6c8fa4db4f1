#!/usr/bin/env bash
# Clicks through "Задача" and "Сметки" of the real program under Wine, with real X input events
# on a virtual display, and checks the transcript as the user can copy it out through the
# clipboard; then checks the window's colours and compares it, loosely, with a picture of the
# Linux window.
# Usage: click_through_wine.sh <wine prefix> <proporcia.exe> <locale> <dots per inch>
#                              <picture of the Linux window> <product name> [cycles]
# The locale is a Linux one, such as C.UTF-8 or bg_BG.UTF-8 (which need not be installed): Wine
# takes the user's locale, and with it the decimal separator, from LC_ALL.
set -euo pipefail
export PROPORCIA_WINE_PREFIX=$1
program=$2
locale=$3
dpi=$4
linux_picture=$5
product=$6
cycles=${7:-3}
# shellcheck source=wine-session.sh
source "$(dirname "$0")/wine-session.sh"

wine_ensure_prefix
proporcia_on_virtual_display || proporcia_restart_on_virtual_display "$0" "$@"

work=$(mktemp -d)
finish() {
    wine_end_session "$PROPORCIA_PID"
    rm -rf "$work"
}
trap finish EXIT
wine_use_display "$dpi"
# Places in the window are at 96 dots per inch, as on Linux at scale 1.
# shellcheck disable=SC2034  # for proporcia_scaled
PROPORCIA_SCALE="$dpi / 96"

# The colour of one pixel as #RRGGBB.
colour_at() {
    local x y
    read -r x y <<<"$(proporcia_scaled "$1" "$2")"
    import -window "$PROPORCIA_WINDOW" -crop "1x1+$x+$y" -depth 8 txt:- 2>/dev/null |
        grep -oE '#[0-9A-F]{6}' | head -n 1
}
wait_for_colour() {
    for _ in $(seq 300); do
        [ "$(colour_at "$1" "$2")" = "$3" ] && return 0
        sleep 0.1
    done
    fail "no $3 at ($1, $2) within 30 s: $(colour_at "$1" "$2")"
}

# After a click, the transcript is read once it has changed.
read_changed_transcript() {
    local before=("${lines[@]}")
    for _ in $(seq 50); do
        read_transcript
        [ "${lines[*]}" != "${before[*]}" ] && return 0
        sleep 0.1
    done
    fail "the transcript did not change"
}

readonly heading='Примерен текст на условие:'
readonly make_face='#80FF80' solve_face='#8080FF'
export LC_ALL=C.UTF-8  # for this script and the X tools: UTF-8, installed everywhere

proporcia_start env LC_ALL="$locale" wine "$program"
title=$(xdotool getwindowname "$PROPORCIA_WINDOW")
[[ $title == *"  $product" ]] || fail "the title is \"$title\""
wait_for_colour 398 44 "$make_face"

read_transcript
[ ${#lines[@]} -eq 6 ] && [ "${lines[4]}" = "$heading" ] || fail "introductory text"

separator_seen=
for ((cycle = 1; cycle <= cycles; ++cycle)); do
    proporcia_make_problem
    read_changed_transcript
    [ ${#lines[@]} -eq 3 ] || fail "a problem is three lines"
    [ "${lines[0]}" = "$heading" ] && [ "${lines[2]}" = 'X = ?' ] || fail "heading and question"
    sentence=${lines[1]}
    [ "$(grep -o '\bX\b' <<<"$sentence" | wc -l)" -eq 1 ] || fail "one X in the sentence"
    [[ $sentence =~ \.\ ?$ ]] || fail "the sentence ends with a full stop"
    known=$(grep -oE '[0-9]+' <<<"$sentence" | paste -sd' ')
    posed=("${lines[@]}")

    proporcia_solve
    read_changed_transcript
    [ ${#lines[@]} -eq 7 ] || fail "the solution adds four lines"
    [ "${lines[*]:0:3}" = "${posed[*]}" ] || fail "the problem stays as it was"
    [[ ${lines[3]} =~ ^([A-F]\ =\ [0-9]+;\ ){5}$ ]] || fail "the value line"
    [ "$(grep -oE '[0-9]+' <<<"${lines[3]}" | paste -sd' ')" = "$known" ] ||
        fail "the values listed are the sentence's"
    [ -z "${lines[4]}" ] && [ "${lines[5]}" = 'Отговор: ' ] || fail "the answer header"
    formula='^X = \(([0-9]+) \* ([0-9]+) \* ([0-9]+)\) / \(([0-9]+) \* ([0-9]+)\) = ([0-9]+)([.,][0-9]+)?$'
    [[ ${lines[6]} =~ $formula ]] || fail "the answer line"
    fraction=${BASH_REMATCH[7]}
    awk -v a="${BASH_REMATCH[1]}" -v b="${BASH_REMATCH[2]}" -v c="${BASH_REMATCH[3]}" \
        -v d="${BASH_REMATCH[4]}" -v e="${BASH_REMATCH[5]}" -v x="${BASH_REMATCH[6]}.${fraction:1}" \
        'BEGIN { exit !(x * d * e == a * b * c) }' || fail "the answer's value"
    [ -n "$fraction" ] && separator_seen=${fraction:0:1}
    solved=("${lines[@]}")

    proporcia_solve  # disabled now: nothing happens
    read_transcript
    [ "${lines[*]}" = "${solved[*]}" ] || fail "a second \"Сметки\" changes nothing"
    echo "cycle $cycle: ${lines[6]}"
done

# The colours as designed, at the places the Linux window's test probes. A click in the
# transcript, away from where it was clicked before, clears the selection left by copying it.
proporcia_click 40 280
xdotool mousemove --window "$PROPORCIA_WINDOW" 1 1
sleep 0.3
[ "$(colour_at 5 40)" = '#C0C0FF' ] || fail "the window's background"
[ "$(colour_at 26 2)" = '#FFC080' ] || fail "the label's background"
[ "$(colour_at 335 58)" = '#FFC0FF' ] || fail "the option buttons' background"
[ "$(colour_at 398 44)" = "$make_face" ] || fail "the face of \"Задача\""
[ "$(colour_at 398 76)" = "$solve_face" ] || fail "the face of \"Сметки\", disabled"

# Loosely like the Linux window: the same size, and the same picture seen from afar, where the
# fonts and the drawing of the controls no longer count.
import -window "$PROPORCIA_WINDOW" "$work/windows.png"
[ -n "${WINDOWS_SCREENSHOT:-}" ] && cp "$work/windows.png" "$WINDOWS_SCREENSHOT"
read -r width height <<<"$(proporcia_scaled 466 324)"
[ "$(identify -format '%wx%h' "$work/windows.png")" = "${width}x${height}" ] ||
    fail "the window is not ${width}x${height}: $(identify -format '%wx%h' "$work/windows.png")"
convert "$work/windows.png" -scale 47x33! -depth 8 "$work/windows-afar.png"
convert "$linux_picture" -scale 47x33! -depth 8 "$work/linux-afar.png"
distance=$(compare -metric RMSE "$work/windows-afar.png" "$work/linux-afar.png" null: 2>&1 |
    sed -E 's/.*\((.*)\).*/\1/') || true
awk -v d="$distance" 'BEGIN { exit !(d < 0.1) }' ||
    fail "the window looks unlike the Linux one: distance $distance"
echo "distance from the Linux window, seen from afar: $distance"

# Alt+F4 closes the window and ends the program. Wine 10 destroys the window as F4 goes down,
# so sending the releases that follow fails, and that is no fault: the program's end is checked.
xdotool key --window "$PROPORCIA_WINDOW" alt+F4 2>/dev/null || true
for _ in $(seq 150); do
    kill -0 "$PROPORCIA_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$PROPORCIA_PID" 2>/dev/null && fail "the program did not end within 15 s of Alt+F4"
wait "$PROPORCIA_PID" || fail "the program ended with exit code $?"
PROPORCIA_PID=
echo "PASS: $cycles cycles at $dpi dots per inch in $locale${separator_seen:+, decimal separator \"$separator_seen\"}"
