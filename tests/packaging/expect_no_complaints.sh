#!/usr/bin/env bash
# Runs a validator and fails when it reports an error, a warning or a hint, in the formats of
# desktop-file-validate ("file: hint: ...") and appstreamcli ("W: id:line: tag"). appstreamcli's
# infos ("I:") pass: some misread Cyrillic capitals as lower case.
# Usage: expect_no_complaints.sh <validator> [arguments...]
set -uo pipefail
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ $status -ne 0 ]; then
    echo "FAIL: $1 exited with $status" >&2
    exit 1
fi
if grep -qE '(^|: )(E|W|error|warning|hint):' <<<"$output"; then
    echo "FAIL: $1 reports errors, warnings or hints" >&2
    exit 1
fi
echo "PASS: no errors, warnings or hints from $1"
