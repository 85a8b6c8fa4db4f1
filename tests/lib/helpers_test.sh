#!/usr/bin/env bash
# What the shell tests rely on in helpers.sh without a display: how a failure is reported, and
# how logical positions become the window's pixels at a scale given as Qt's factor or as dots per
# inch over 96.
# Usage: helpers_test.sh
set -euo pipefail
# shellcheck source=helpers.sh
source "$(dirname "$0")/helpers.sh"

problems=0
check() {
    if [ "$2" != "$3" ]; then
        echo "WRONG: $1: \"$2\", not \"$3\"" >&2
        problems=$((problems + 1))
    fi
}

# scale       position   pixels
while IFS='|' read -r scale position expected; do
    PROPORCIA_SCALE=$scale
    read -r x y <<<"$position"
    check "$position at scale $scale" "$(proporcia_scaled "$x" "$y")" "$expected"
done <<'ROWS'
1|232 200|232 200
2|424 52|848 104
96 / 96|232 200|232 200
192 / 96|424 84|848 168
2.5|233 201|582 502
ROWS
check "the scale follows QT_SCALE_FACTOR" \
    "$(QT_SCALE_FACTOR=1.5 bash -c 'source "$1"; echo "$PROPORCIA_SCALE"' _ \
        "$(dirname "$0")/helpers.sh")" 1.5

# expression  rounded down
while IFS='|' read -r expression expected; do
    check "whole $expression" "$(whole "$expression")" "$expected"
done <<'ROWS'
2.9|2
-0.5|-1
-2|-2
(1000 - 466 * 2) / 2|34
ROWS

# scale       design length   pixels
while IFS='|' read -r scale length expected; do
    PROPORCIA_SCALE=$scale
    check "$length at scale $scale" "$(device "$length")" "$expected"
done <<'ROWS'
1|466|466
1.25|466|582
144 / 96|324|486
ROWS

# fail: one line to stderr and exit status 1; the transcript's lines after it once it was read.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
# transcript read          stderr
while IFS='|' read -r transcript expected; do
    status=0
    (
        [ -z "$transcript" ] || mapfile -t lines <<<"${transcript//;/$'\n'}"
        fail "the answer line"
        # shellcheck disable=SC2317  # reached only where fail goes on
        echo "went on"
    ) >"$out" 2>"$err" || status=$?
    check "fail's status after \"$transcript\"" "$status" 1
    check "fail's output after \"$transcript\"" "$(cat "$out")" ""
    check "fail's message after \"$transcript\"" "$(tr '\n' ';' <"$err")" "$expected"
done <<'ROWS'
|FAIL: the answer line;
Отговор: ;X = 2|FAIL: the answer line;  | Отговор: ;  | X = 2;
ROWS

# fail_later: the message, and the test goes on with the failure counted.
status=0
(
    fail_later "one"
    fail_later "two"
    echo "$failures"
) >"$out" 2>"$err" || status=$?
check "fail_later's status" "$status" 0
check "fail_later's count" "$(cat "$out")" 2
check "fail_later's messages" "$(tr '\n' ';' <"$err")" "FAIL: one;FAIL: two;"

[ "$problems" -eq 0 ] || exit 1
echo "PASS: the shell helpers report failures and scale positions as the tests expect"
