#!/usr/bin/env bash
# Compiles the Windows version resource with the MinGW resource compiler and reads it back, so
# that a broken resource file shows up without a Windows build.
# Usage: check_windows_resource.sh <windres> <preprocessor> <version.rc> <version, e.g. 1.00>
set -euo pipefail
windres=$1
preprocessor=$2
resource=$3
version=$4
# shellcheck source=../lib/helpers.sh
source "$(dirname "$0")/../lib/helpers.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$windres" --preprocessor="$preprocessor" -i "$resource" -O res -o "$work/version.res" ||
    fail "$resource does not compile"
"$windres" -i "$work/version.res" -J res -O rc -o "$work/decompiled.rc"
# Non-ASCII strings come back as L"\x041c..."; turn them into UTF-8 to compare them.
perl -CS -pe 's/\\x([0-9a-fA-F]{4})/chr(hex $1)/ge' "$work/decompiled.rc" >"$work/readable.rc"

# Windows shows "1.00" as the four numbers 1, 0, 0, 0.
numbers="${version%%.*}, $((10#${version#*.})), 0, 0"
expect() {
    grep -qF -- "$1" "$work/readable.rc" || fail "no $1 in the compiled resource"
}
expect "FILEVERSION $numbers"
expect "PRODUCTVERSION $numbers"
expect "VALUE \"FileVersion\", \"$version\""
expect "VALUE \"ProductVersion\", \"$version\""
# Read as UTF-8, not as the compiler's default code page.
expect 'VALUE "ProductName", L"Математика - пропорция"'
expect 'Type: group icon'
echo "PASS: the resource compiles, version $version ($numbers), with its icon"
