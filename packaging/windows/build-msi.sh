#!/usr/bin/env bash
# Makes the Windows Installer package, for deployment by Group Policy, Intune or Configuration
# Manager: a per-machine install into Program Files with a Start-menu shortcut and an entry in
# Apps & features. The tables are the .idt files of msi/, with @NAME@ filled in here.
#
# Usage: build-msi.sh --program EXE --icon ICO --version 1.00 --file-version 1.0.0.0
#            --name NAME --summary TEXT --publisher NAME --homepage URL --install-folder NAME
#            --upgrade-code {GUID} --output FILE.msi
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
            --homepage | --install-folder | --upgrade-code | --output)
            option[${1#--}]=$2
            ;;
        *) fail "unknown option $1" ;;
    esac
    shift 2
done
for name in program icon version file-version name summary publisher homepage install-folder \
    upgrade-code output; do
    [ -n "${option[$name]:-}" ] || fail "--$name is missing"
done
[ -f "${option[program]}" ] || fail "no program ${option[program]}"
[ -f "${option[icon]}" ] || fail "no icon ${option[icon]}"
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
# Every different package is a different product, so that installing it over another replaces
# that one (a major upgrade); the same inputs give the same codes. The component keeps its code
# across versions, as Windows Installer requires of a component that keeps its place.
inputs="${option[version]}|$(sha256sum <"${option[program]}" | cut -c1-64)"
inputs+="|$(sha256sum <"${option[icon]}" | cut -c1-64)|$(cat "$here"/msi/*.idt | sha256sum | cut -c1-64)"
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
    [PRODUCT_CODE]=$(name_based_guid "${option[upgrade-code]}" "product|$inputs")
    [PACKAGE_CODE]=$(name_based_guid "${option[upgrade-code]}" "package|$inputs")
    [COMPONENT_ID]=$(name_based_guid "${option[upgrade-code]}" "component|$program")
    [BUILD_TIME]=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y/%m/%d %H:%M:%S')
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The tables, filled in. msibuild reads them as UTF-8 and stores them in the code page of
# _ForceCodepage, 1251, which holds Bulgarian; but a character it cannot hold it stores as an
# empty string, without a word, so such a text stops the build here.
for table in "$here"/msi/*.idt; do
    text=$(<"$table")
    for key in "${!value[@]}"; do
        text=${text//@$key@/${value[$key]}}
    done
    [[ ! $text =~ @[A-Z_]+@ ]] || fail "$(basename "$table"): nothing fills in ${BASH_REMATCH[0]}"
    printf '%s\n' "$text" | sed 's/$/\r/' >"$work/$(basename "$table")"
    iconv -f UTF-8 -t CP1251 "$work/$(basename "$table")" >/dev/null 2>&1 ||
        fail "$(basename "$table") holds text that code page 1251 cannot"
done
printf '\r\n1251\t_ForceCodepage\r\n\r\n' >"$work/_ForceCodepage.idt"
# The summary's strings are stored as they are read, so they are written in its code page.
iconv -f UTF-8 -t CP1251 -o "$work/_SummaryInformation.idt" "$work/_SummaryInformation.idt"

# The program in a cabinet inside the package, under its File key, dated by the sources.
mkdir "$work/cabinet" "$work/Icon"
cp "${option[program]}" "$work/cabinet/$program"
cp "${option[icon]}" "$work/Icon/$icon"
touch -d "@$SOURCE_DATE_EPOCH" "$work/cabinet/$program"
(cd "$work/cabinet" && gcab --create --zip --nopath ../program.cab "$program")

# The code page first, so that every table after it is stored in it; msibuild reads binary
# columns (the icon) from TABLE/KEY of the current folder.
cd "$work"
tables=(_ForceCodepage.idt $(ls -- *.idt | grep -vxE '_ForceCodepage.idt|_SummaryInformation.idt')
    _SummaryInformation.idt)
msibuild package.msi -i "${tables[@]}" -a program.cab program.cab
chmod 644 package.msi
mkdir -p "$(dirname "$output")"
mv -f package.msi "$output"
