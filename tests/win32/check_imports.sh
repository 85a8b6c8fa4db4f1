#!/usr/bin/env bash
# Checks that a Windows program imports only DLLs that come with Windows 10 and 11, so that it
# runs from a USB stick without installing anything.
# Usage: check_imports.sh <objdump for PE files> <program.exe>
set -euo pipefail
objdump=$1
program=$2
# shellcheck source=../lib/helpers.sh
source "$(dirname "$0")/../lib/helpers.sh"

# Windows' own DLLs, as the program's code may use them.
readonly system_dlls='^(kernel32|user32|gdi32|comctl32|ole32|oleaut32|oleacc|uxtheme|advapi32|shell32|version|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'

mapfile -t imports < <("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
[ ${#imports[@]} -gt 0 ] || fail "no imports read from $program"
for dll in "${imports[@]}"; do
    grep -qiE "$system_dlls" <<<"$dll" ||
        fail_later "$program imports $dll, which Windows does not have"
done
[ $failures -eq 0 ] || exit 1
echo "PASS: imports only ${imports[*]}"
