#!/usr/bin/env bash
# Reads the Windows Installer package back with msitools and checks its texts letter for letter:
# an MSI database is not Unicode, and a text stored in the wrong code page reads back empty or
# garbled in Apps & features and in the Start menu. Also checks that the package carries the
# program as built, dated by SOURCE_DATE_EPOCH when that is given.
# Usage: check_msi_tables.sh <package.msi> <program.exe as built> <version> <product name>
#        <summary> <publisher> <upgrade code>
set -euo pipefail
package=$(realpath "$1")
built_program=$(realpath "$2")
version=$3
product=$4
summary=$5
publisher=$6
upgrade_code=$7
# shellcheck source=msi-tables.sh
source "$(dirname "$0")/msi-tables.sh"
command -v msiinfo >/dev/null || { echo "SKIP: msiinfo is not installed (msitools)" >&2; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

failures=0
cell() {
    msi_cell "$package" "$@"
}
# The summary's texts are stored in its own code page, 1251.
summary_text() {
    msiinfo export "$package" _SummaryInformation | tr -d '\r' | iconv -f CP1251 -t UTF-8 |
        awk -F'\t' -v key="$1" 'NR > 3 && $1 == key { print $2 }'
}
expect() {
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1 is \"$2\", not \"$3\"" >&2
        failures=$((failures + 1))
    fi
}

# table            key                   column  expected
while IFS='|' read -r table key column expected; do
    expect "$table $key (column $column)" "$(cell "$table" "$key" "$column")" "$expected"
done <<ROWS
Property|ProductName|2|$product
Property|Manufacturer|2|$publisher
Property|ProductVersion|2|$version
Property|ProductLanguage|2|1026
Property|UpgradeCode|2|$upgrade_code
Property|ALLUSERS|2|1
Feature|Main|3|$product
Feature|Main|4|$summary
Shortcut|StartMenuShortcut|3|MATPROP|$product
Shortcut|StartMenuShortcut|7|$summary
Shortcut|StartMenuShortcut|5|[#proporcia.exe]
Directory|INSTALLFOLDER|3|PROPOR~1|Proporcia
File|proporcia.exe|4|$(stat -c %s "$built_program")
LaunchCondition|NOT NEWERVERSIONFOUND|2|Вече е инсталирана по-нова версия на [ProductName].
ROWS

expect "the tables' code page" "$(msiinfo export "$package" _ForceCodepage | tr -d '\r\0' |
    awk -F'\t' 'NF == 2 { print $1 }')" 1251
expect "the summary's code page" "$(summary_text 1)" 1251
expect "the summary's subject" "$(summary_text 3)" "$product"
expect "the summary's platform and language" "$(summary_text 7)" "x64;1026"
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    expect "the package's date" "$(summary_text 12)" \
        "$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y/%m/%d %H:%M:%S')"
fi

# The product code, the package code and the upgrade code are three different GUIDs.
codes=("$(cell Property ProductCode 2)" "$(summary_text 9)" "$upgrade_code")
for code in "${codes[@]}"; do
    [[ $code =~ ^\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}$ ]] ||
        expect "a code" "$code" "an upper-case {GUID}"
done
expect "the number of different codes" "$(printf '%s\n' "${codes[@]}" | sort -u | wc -l)" 3

msiinfo extract "$package" program.cab >program.cab
mkdir cabinet
(cd cabinet && gcab --extract ../program.cab >/dev/null)
cmp -s cabinet/proporcia.exe "$built_program" ||
    expect "the program in the cabinet" "something else" "the program as built"

[ "$failures" = 0 ] || exit 1
echo "PASS: the package's texts read back exact, and it carries the program as built"
