#!/usr/bin/env bash
# Runs a validator and fails when it reports an error, a warning or a hint, in the formats of
# desktop-file-validate ("file: hint: ...") and appstreamcli ("W: id:line: tag"). appstreamcli's
# infos ("I:") pass: some misread Cyrillic capitals as lower case.
# Usage: expect_no_complaints.sh <validator> [arguments...]
set -uo pipefail
# shellcheck source=../lib/helpers.sh
source "$(dirname "$0")/../lib/helpers.sh"

# The number of characters in UTF-8 text: its bytes less those that continue a character.
characters() {
    local bytes
    bytes=$(printf '%s' "$1" | LC_ALL=C tr -d '\200-\277' | wc -c)
    echo $((bytes))
}

# AppStream 1.0 measures a component's name in bytes of UTF-8 against a limit of 40 that is meant
# for characters, so a Cyrillic name of more than 20 letters is "too long":
# "Математика - пропорция" is 22 characters and 41 bytes. That one warning is taken back where
# the name it quotes is at most 40 characters, and the validator's failure with it when it was
# that warning's alone. Any other warning, or a name really too long, still fails.
tolerate_name_counted_in_bytes() {
    local line name kept='' tolerated=0
    while IFS= read -r line; do
        if [[ $line =~ ^W:\ [^\ ]+:\ component-name-too-long\ (.*)$ ]]; then
            name=${BASH_REMATCH[1]}
            if [ "$(characters "$name")" -le 40 ]; then
                echo "TOLERATED: $line ($(characters "$name") characters)"
                tolerated=$((tolerated + 1))
                continue
            fi
        fi
        kept+="$line"$'\n'
    done <<<"$output"
    output=$kept
    if [ $tolerated -gt 0 ] && [ $status -ne 0 ] &&
        grep -qE "Validation failed: warnings: $tolerated(, infos: [0-9]+)?(, pedantic: [0-9]+)?\$" \
            <<<"$output"; then
        status=0
    fi
}

output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$(basename "$1")" = appstreamcli ]; then
    tolerate_name_counted_in_bytes
fi
[ $status -eq 0 ] || fail "$1 exited with $status"
! grep -qE '(^|: )(E|W|error|warning|hint):' <<<"$output" ||
    fail "$1 reports errors, warnings or hints"
echo "PASS: no errors, warnings or hints from $1"
