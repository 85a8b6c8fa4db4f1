#!/usr/bin/env bash
# Reads the Windows Installer package back with msitools and checks its texts letter for letter:
# an MSI database is not Unicode, and a text stored in the wrong code page reads back empty or
# garbled in Apps & features and in the Start menu. Also checks that the package carries the
# program as built, dated by SOURCE_DATE_EPOCH when that is given; and that the rows written for
# the page's files install the folder as built, with valid keys, short names and codes, and that
# the page's contents, not its place, go into the product's code.
# Usage: check_msi_tables.sh <package.msi> <program.exe as built> <version> <product name>
#        <summary> <publisher> <upgrade code> <page folder as built> <worksheet's file>
#        <worksheet's name> -- <what build-msi.sh needs besides the program, version and output>
set -euo pipefail
package=$(realpath "$1")
built_program=$(realpath "$2")
version=$3
product=$4
summary=$5
publisher=$6
upgrade_code=$7
page=$(realpath "$8")
sheet_page=$9
sheet_name=${10}
[ "${11}" = -- ] || { echo "usage: see the head of $0" >&2; exit 2; }
product_arguments=("${@:12}")
# shellcheck source=../lib/helpers.sh
source "$(dirname "$0")/../lib/helpers.sh"
# shellcheck source=msi-tables.sh
source "$(dirname "$0")/msi-tables.sh"
build_msi=$(realpath "$(dirname "$0")/../../packaging/windows/build-msi.sh")
command -v msiinfo >/dev/null || { echo "SKIP: msiinfo is not installed (msitools)" >&2; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cell() {
    msi_cell "$package" "$@"
}
# The summary's texts are stored in its own code page, 1251.
summary_text() {
    msiinfo export "$package" _SummaryInformation | tr -d '\r' | iconv -f CP1251 -t UTF-8 |
        awk -F'\t' -v key="$1" 'NR > 3 && $1 == key { print $2 }'
}
expect() {
    [ "$2" = "$3" ] || fail_later "$1 is \"$2\", not \"$3\""
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
Shortcut|SheetShortcut|2|ProgramMenuFolder
Shortcut|SheetShortcut|3|RABLIST|$sheet_name
Shortcut|SheetShortcut|5|[PAGEFOLDER]$sheet_page
Directory|INSTALLFOLDER|3|PROPOR~1|Proporcia
Directory|PAGEFOLDER|2|INSTALLFOLDER
Directory|PAGEFOLDER|3|page
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

# The page's files. A table's rows, their columns apart by the unit separator: read splits on
# tabs as on blanks, and would run empty columns together.
readonly us=$'\037'
table() {
    msiinfo export "$1" "$2" | tr -d '\r' | tail -n +4 | tr '\t' "$us"
}
# Each folder's path under the page, from the Directory table.
declare -A folder_path=([PAGEFOLDER]=.) parent_of=() folder_name=()
while IFS=$us read -r key parent name; do
    parent_of[$key]=$parent folder_name[$key]=${name#*|}
done < <(table "$package" Directory)
for key in "${!parent_of[@]}"; do
    [ "$key" != PAGEFOLDER ] || continue
    path='' at=$key
    while [ -n "$at" ] && [ "$at" != PAGEFOLDER ]; do
        path=${folder_name[$at]}/$path at=${parent_of[$at]}
    done
    [ "$at" != PAGEFOLDER ] || folder_path[$key]=./${path%/}
done
declare -A component_folder=() component_code=() featured=() short_names=()
while IFS=$us read -r key code folder _; do
    component_folder[$key]=$folder component_code[$key]=$code
done < <(table "$package" Component)
while IFS=$us read -r _ component; do
    featured[$component]=1
done < <(table "$package" FeatureComponents)
# Each page file's row: in a page folder, in the cabinet in the order of its sequence, its own
# component with a key path of it and a code of its own, in the feature; a unique short name.
table "$package" File | sort -t"$us" -k8,8n >files
: >installed
cabinet_order=()
while IFS=$us read -r key component name size _; do
    cabinet_order+=("$key")
    folder=${component_folder[$component]:-}
    [ -n "${folder_path[$folder]:-}" ] || continue
    path=${folder_path[$folder]}/${name#*|}
    echo "$path" >>installed
    expect "$path's size" "$size" "$(stat -c %s "$page/$path" 2>/dev/null)"
    expect "$path's component's key path" "$(cell Component "$component" 6)" "$key"
    expect "$path's component in the feature" "${featured[$component]:-}" 1
    [[ ${component_code[$component]} =~ ^\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}$ ]] ||
        expect "$path's component code" "${component_code[$component]}" "an upper-case {GUID}"
    short=${name%%|*}
    [[ $short =~ ^[^.\ ]{1,8}(\.[^.\ ]{1,3})?$ ]] || expect "$path's short name" "$short" "8.3"
    short_names["$folder|${short^^}"]+=x
    cmp -s "cabinet/$key" "$page/$path" || expect "$path in the cabinet" "something else" "as built"
done <files
(cd "$page" && find . -type f) | LC_ALL=C sort >built
LC_ALL=C sort -o installed installed
expect "the page's files in the package" "$(comm -3 built installed | tr '\n\t' '  ')" ""
for name in "${!short_names[@]}"; do
    [ "${short_names[$name]}" = x ] || expect "the short name ${name#*|}" "taken more than once" \
        "unique in its folder"
done
expect "the number of different component codes" \
    "$(printf '%s\n' "${component_code[@]}" | sort -u | wc -l)" "${#component_code[@]}"
expect "the cabinet's order" "$(gcab --list program.cab | cut -d' ' -f1 | tr '\n' ' ')" \
    "$(printf '%s ' "${cabinet_order[@]}")"
expect "the media's last sequence" "$(cell Media 1 2)" "${#cabinet_order[@]}"

# The same page elsewhere gives the same product code; one byte more in one of its files, another,
# but the same component codes.
product_code=$(cell Property ProductCode 2)
build() {
    "$build_msi" "${product_arguments[@]}" --page "$1" --program "$built_program" \
        --version "$version" --output "$2"
}
cp -r "$page" "elsewhere with a longer name"
build "elsewhere with a longer name" moved.msi
expect "the product code with the page elsewhere" "$(msi_cell moved.msi Property ProductCode 2)" \
    "$product_code"
echo >>"elsewhere with a longer name/index.html"
build "elsewhere with a longer name" changed.msi
[ "$(msi_cell changed.msi Property ProductCode 2)" != "$product_code" ] ||
    expect "the product code with the page changed" "the same" "another"
expect "the component codes with the page changed" \
    "$(table changed.msi Component | cut -d"$us" -f2 | sort)" \
    "$(table "$package" Component | cut -d"$us" -f2 | sort)"

[ "$failures" = 0 ] || exit 1
echo "PASS: the package's texts read back exact, and it carries the program and the page as built"
