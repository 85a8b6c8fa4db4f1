#!/usr/bin/env bash
# Makes the Windows Installer package, for deployment by Group Policy, Intune or Configuration
# Manager: a per-machine install into Program Files with a Start-menu shortcut and an entry in
# Apps & features, and the page's folder beside the program, with a shortcut of its own for the
# worksheet. The tables are the .idt files of msi/, with @NAME@ filled in here, and the rows of the
# page's files, written here from whatever the folder holds.
#
# Usage: build-msi.sh --program EXE --icon ICO --version 1.00 --file-version 1.0.0.0
#            --name NAME --summary TEXT --publisher NAME --homepage URL --install-folder NAME
#            --upgrade-code {GUID} --page FOLDER --sheet-page FILE --sheet-name NAME
#            --sheet-summary TEXT --output FILE.msi
# SOURCE_DATE_EPOCH, when set, dates the package and the file in its cabinet; otherwise the date
# of the last commit does, so that the same sources always give the same bytes.
# Needs msibuild (package msitools), gcab and iconv.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "build-msi.sh: $*" >&2
    exit 1
}

declare -A option=()
while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || fail "$1 needs a value"
    case $1 in
        --program | --icon | --version | --file-version | --name | --summary | --publisher | \
            --homepage | --install-folder | --upgrade-code | --page | --sheet-page | \
            --sheet-name | --sheet-summary | --output)
            option[${1#--}]=$2
            ;;
        *) fail "unknown option $1" ;;
    esac
    shift 2
done
for name in program icon version file-version name summary publisher homepage install-folder \
    upgrade-code page sheet-page sheet-name sheet-summary output; do
    [ -n "${option[$name]:-}" ] || fail "--$name is missing"
done
[ -f "${option[program]}" ] || fail "no program ${option[program]}"
[ -f "${option[icon]}" ] || fail "no icon ${option[icon]}"
page=$(realpath -m "${option[page]}")
[ -f "$page/index.html" ] ||
    fail "no built page in $page: build it first (scripts/build-web.sh)"
[ -f "$page/${option[sheet-page]}" ] ||
    fail "the page in $page has no ${option[sheet-page]}, which its shortcut opens"
output=$(realpath -m "${option[output]}")
# Windows Installer compares versions as major.minor.build, each a number of limited size.
[[ ${option[version]} =~ ^[0-9]{1,3}\.[0-9]{1,3}(\.[0-9]{1,5})?$ ]] ||
    fail "the version ${option[version]} is not major.minor[.build]"
[[ ${option[upgrade-code]} =~ ^\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}$ ]] ||
    fail "the upgrade code ${option[upgrade-code]} is not an upper-case {GUID}"
command -v msibuild >/dev/null || fail "msibuild is missing (package msitools)"
command -v gcab >/dev/null || fail "gcab is missing (package gcab)"

export LC_ALL=C.UTF-8 TZ=UTC
umask 022

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$here" log -1 --format=%ct 2>/dev/null || stat -c %Y "$0")
fi
[[ $SOURCE_DATE_EPOCH =~ ^[0-9]+$ ]] || fail "SOURCE_DATE_EPOCH is not a number of seconds"
# A cabinet's dates are MS-DOS dates, which begin in 1980.
((SOURCE_DATE_EPOCH >= 315532800)) || SOURCE_DATE_EPOCH=315532800

# A name-based (version 5) UUID in the upgrade code's namespace: the same name, the same code.
name_based_guid() {
    local namespace digest
    namespace=$(tr -d '{}-' <<<"$1" | tr 'A-F' 'a-f' | sed 's/../\\x&/g')
    digest=$({
        printf '%b' "$namespace"
        printf '%s' "$2"
    } | sha1sum | cut -c1-32)
    digest=${digest:0:12}5${digest:13:3}$(printf '%x' $(((0x${digest:16:1} & 3) | 8)))${digest:17:15}
    digest=${digest^^}
    printf '{%s-%s-%s-%s-%s}' "${digest:0:8}" "${digest:8:4}" "${digest:12:4}" \
        "${digest:16:4}" "${digest:20:12}"
}

program=$(basename "${option[program]}")
icon=$(basename "${option[icon]}")

# The page's files and folders, in one fixed order: the cabinet's, and File.Sequence's after the
# program's 1.
mapfile -t page_files < <(cd "$page" && find . -type f -printf '%P\n' | LC_ALL=C sort)
mapfile -t page_folders < <(cd "$page" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort)
page_digest=$( (cd "$page" && printf '%s\0' "${page_files[@]}" | xargs -0 sha256sum) | sha256sum)

# Every different package is a different product, so that installing it over another replaces
# that one (a major upgrade); the same inputs give the same codes. Each component keeps its code
# across versions, as Windows Installer requires of a component that keeps its place: the code
# comes from the file's path alone.
inputs="${option[version]}|$(sha256sum <"${option[program]}" | cut -c1-64)"
inputs+="|$(sha256sum <"${option[icon]}" | cut -c1-64)|$(cat "$here"/msi/*.idt | sha256sum | cut -c1-64)"
inputs+="|page ${page_digest:0:64}|${option[sheet-page]}|${option[sheet-name]}"
declare -A value=(
    [PRODUCT_NAME]=${option[name]}
    [SUMMARY]=${option[summary]}
    [PUBLISHER]=${option[publisher]}
    [HOMEPAGE]=${option[homepage]}
    [VERSION]=${option[version]}
    [FILE_VERSION]=${option[file-version]}
    [INSTALL_FOLDER]=${option[install-folder]}
    [PROGRAM]=$program
    [PROGRAM_SIZE]=$(stat -c %s "${option[program]}")
    [ICON]=$icon
    [UPGRADE_CODE]=${option[upgrade-code]}
    [SHEET_PAGE]=${option[sheet-page]}
    [SHEET_NAME]=${option[sheet-name]}
    [SHEET_SUMMARY]=${option[sheet-summary]}
    [LAST_SEQUENCE]=$((1 + ${#page_files[@]}))
    [PRODUCT_CODE]=$(name_based_guid "${option[upgrade-code]}" "product|$inputs")
    [PACKAGE_CODE]=$(name_based_guid "${option[upgrade-code]}" "package|$inputs")
    [COMPONENT_ID]=$(name_based_guid "${option[upgrade-code]}" "component|$program")
    [BUILD_TIME]=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y/%m/%d %H:%M:%S')
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The rows of the page's folders and files, added to the tables' own. A key is an identifier of
# at most 72 characters; a file's is also its name in the cabinet. The two functions set $key and
# $name_column, rather than print them, to keep track of the names taken.
declare -A rows=() folder_key=([.]=PAGEFOLDER) taken_key=([${program^^}]=1) taken_name=()
make_key() {
    key=$1${2//[^A-Za-z0-9_.]/_}
    if [ ${#key} -gt 72 ] || [ -n "${taken_key[${key^^}]:-}" ]; then
        key=$1$(printf '%s' "$2" | sha1sum | cut -c1-16)
    fi
    [ -z "${taken_key[${key^^}]:-}" ] || fail "two of the page's files give the key $key"
    taken_key[${key^^}]=1
}
# The Filename column's "short|long", or the name alone where it is a short name already. Short
# names, and long ones, must differ in more than case within a folder.
make_name_column() {
    local folder=$1 long=$2 stem extension n
    [ -z "${taken_name[$folder|long|${long^^}]:-}" ] ||
        fail "the page has two names in $folder that differ only in case: $long"
    taken_name["$folder|long|${long^^}"]=1
    if [[ $long =~ ^[A-Za-z0-9_-]{1,8}(\.[A-Za-z0-9_-]{1,3})?$ ]] &&
        [ -z "${taken_name[$folder|${long^^}]:-}" ]; then
        taken_name["$folder|${long^^}"]=1
        name_column=$long
        return
    fi
    stem=$long extension=
    if [[ $long =~ ^(.+)\.([^.]+)$ ]]; then
        stem=${BASH_REMATCH[1]} extension=${BASH_REMATCH[2]}
    fi
    stem=${stem^^} extension=${extension^^}
    stem=${stem//[^A-Z0-9_-]/} extension=${extension//[^A-Z0-9_-]/}
    stem=${stem:-F} extension=${extension:0:3}
    for ((n = 1; ; n++)); do
        name_column=${stem:0:$((7 - ${#n}))}~$n${extension:+.$extension}
        [ -n "${taken_name[$folder|$name_column]:-}" ] || break
    done
    taken_name[$folder|$name_column]=1
    name_column+="|$long"
}
for folder in "${page_folders[@]}"; do
    parent=$(dirname "$folder")
    make_key PageFolder_ "$folder"
    folder_key[$folder]=$key
    make_name_column "$parent" "$(basename "$folder")"
    rows[Directory]+="$key	${folder_key[$parent]}	$name_column"$'\n'
done
mkdir "$work/cabinet"
cabinet=("$program")
sequence=1
for file in "${page_files[@]}"; do
    parent=$(dirname "$file")
    make_key Page_ "$file"
    make_name_column "$parent" "$(basename "$file")"
    sequence=$((sequence + 1))
    rows[Component]+="$key	$(name_based_guid "${option[upgrade-code]}" "component|page/$file")"
    rows[Component]+="	${folder_key[$parent]}	256		$key"$'\n'
    rows[File]+="$key	$key	$name_column"
    rows[File]+="	$(stat -c %s "$page/$file")			512	$sequence"$'\n'
    rows[FeatureComponents]+="Main	$key"$'\n'
    cp "$page/$file" "$work/cabinet/$key"
    cabinet+=("$key")
done

# The tables, filled in. msibuild reads them as UTF-8 and stores them in the code page of
# _ForceCodepage, 1251, which holds Bulgarian; but a character it cannot hold it stores as an
# empty string, without a word, so such a text stops the build here.
for table in "$here"/msi/*.idt; do
    text=$(<"$table")
    for key in "${!value[@]}"; do
        text=${text//@$key@/${value[$key]}}
    done
    name=$(basename "$table" .idt)
    [ -z "${rows[$name]:-}" ] || text+=$'\n'${rows[$name]%$'\n'}
    [[ ! $text =~ @[A-Z_]+@ ]] || fail "$(basename "$table"): nothing fills in ${BASH_REMATCH[0]}"
    printf '%s\n' "$text" | sed 's/$/\r/' >"$work/$(basename "$table")"
    iconv -f UTF-8 -t CP1251 "$work/$(basename "$table")" >/dev/null 2>&1 ||
        fail "$(basename "$table") holds text that code page 1251 cannot"
done
printf '\r\n1251\t_ForceCodepage\r\n\r\n' >"$work/_ForceCodepage.idt"
# The summary's strings are stored as they are read, so they are written in its code page.
iconv -f UTF-8 -t CP1251 -o "$work/_SummaryInformation.idt" "$work/_SummaryInformation.idt"

# The program and the page's files in a cabinet inside the package, under their File keys, in
# the order of their File.Sequence, dated by the sources.
mkdir "$work/Icon"
cp "${option[program]}" "$work/cabinet/$program"
cp "${option[icon]}" "$work/Icon/$icon"
chmod 644 "$work/cabinet"/*
touch -d "@$SOURCE_DATE_EPOCH" "$work/cabinet"/*
(cd "$work/cabinet" && gcab --create --zip --nopath ../program.cab "${cabinet[@]}")

# The code page first, so that every table after it is stored in it; msibuild reads binary
# columns (the icon) from TABLE/KEY of the current folder.
cd "$work"
tables=(_ForceCodepage.idt $(ls -- *.idt | grep -vxE '_ForceCodepage.idt|_SummaryInformation.idt')
    _SummaryInformation.idt)
msibuild package.msi -i "${tables[@]}" -a program.cab program.cab
chmod 644 package.msi
mkdir -p "$(dirname "$output")"
mv -f package.msi "$output"
