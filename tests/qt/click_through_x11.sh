#!/usr/bin/env bash
# Clicks through "Задача" and "Сметки" with real X input events on a virtual display and checks
# the transcript as the user can copy it out through the clipboard.
# Usage: click_through_x11.sh <proporcia executable> [cycles]
set -euo pipefail
program=$1
cycles=${2:-3}
root=$(cd "$(dirname "$0")/../.." && pwd)

# shellcheck source=../lib/helpers.sh
source "$root/tests/lib/helpers.sh"
proporcia_on_virtual_display || proporcia_restart_on_virtual_display "$0" "$@"

readonly heading='Примерен текст на условие:'
trap proporcia_stop EXIT
proporcia_start "$program"

read_transcript
[ ${#lines[@]} -eq 6 ] && [ "${lines[4]}" = "$heading" ] || fail "introductory text"

for ((cycle = 1; cycle <= cycles; ++cycle)); do
    proporcia_make_problem
    read_transcript
    [ ${#lines[@]} -eq 3 ] || fail "a problem is three lines"
    [ "${lines[0]}" = "$heading" ] && [ "${lines[2]}" = 'X = ?' ] || fail "heading and question"
    sentence=${lines[1]}
    [ "$(grep -o '\bX\b' <<<"$sentence" | wc -l)" -eq 1 ] || fail "one X in the sentence"
    [[ $sentence =~ \.\ ?$ ]] || fail "the sentence ends with a full stop"
    known=$(grep -oE '[0-9]+' <<<"$sentence" | paste -sd' ')
    posed=("${lines[@]}")

    proporcia_solve
    read_transcript
    [ ${#lines[@]} -eq 7 ] || fail "the solution adds four lines"
    [ "${lines[*]:0:3}" = "${posed[*]}" ] || fail "the problem stays as it was"
    [[ ${lines[3]} =~ ^([A-F]\ =\ [0-9]+;\ ){5}$ ]] || fail "the value line"
    [ "$(grep -oE '[0-9]+' <<<"${lines[3]}" | paste -sd' ')" = "$known" ] ||
        fail "the values listed are the sentence's"
    [ -z "${lines[4]}" ] && [ "${lines[5]}" = 'Отговор: ' ] || fail "the answer header"
    formula='^X = \(([0-9]+) \* ([0-9]+) \* ([0-9]+)\) / \(([0-9]+) \* ([0-9]+)\) = ([0-9.]+)$'
    [[ ${lines[6]} =~ $formula ]] || fail "the answer line"
    awk -v a="${BASH_REMATCH[1]}" -v b="${BASH_REMATCH[2]}" -v c="${BASH_REMATCH[3]}" \
        -v d="${BASH_REMATCH[4]}" -v e="${BASH_REMATCH[5]}" -v x="${BASH_REMATCH[6]}" \
        'BEGIN { exit !(x * d * e == a * b * c) }' || fail "the answer's value"
    solved=("${lines[@]}")

    proporcia_solve  # disabled now: nothing happens
    read_transcript
    [ "${lines[*]}" = "${solved[*]}" ] || fail "a second \"Сметки\" changes nothing"
    echo "cycle $cycle: ${lines[6]}"
done
echo "PASS: $cycles cycles at scale ${QT_SCALE_FACTOR:-1}"
