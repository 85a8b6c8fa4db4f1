#!/usr/bin/env bash
# Installs the Windows Installer package silently under Wine, checks the installed program, the
# page's folder, the two Start-menu shortcuts and the Apps & features entry, starts the installed
# program; installs a
# newer package over it, which must replace it in place, and the older one again, which must be
# refused; then removes the newer one silently and checks that nothing is left behind.
# Usage: check_msi.sh <wine prefix> <package.msi> <program.exe as built> <version>
#        <product name> <publisher> <page folder as built> <worksheet's file> <worksheet's name>
#        -- <what build-msi.sh needs besides the program, version and output>
set -euo pipefail
export PROPORCIA_WINE_PREFIX=$1
package=$(realpath "$2")
built_program=$(realpath "$3")
version=$4
product=$5
publisher=$6
page=$7
sheet_page=$8
sheet_name=$9
[ "${10}" = -- ] || { echo "usage: see the head of $0" >&2; exit 2; }
product_arguments=("${@:11}")
# shellcheck source=wine-session.sh
source "$(dirname "$0")/wine-session.sh"
# shellcheck source=installed-program.sh
source "$(dirname "$0")/installed-program.sh"
# shellcheck source=msi-tables.sh
source "$(dirname "$0")/msi-tables.sh"

wine_ensure_prefix
proporcia_on_virtual_display || proporcia_restart_on_virtual_display "$0" "$@"
work=$(mktemp -d)
trap 'wine_stop; rm -rf "$work"' EXIT

programs_folders=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
    # Wine's msiexec puts the all-users shortcut among the installing user's own.
    "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")

product_code() {
    msi_cell "$1" Property ProductCode 2
}

# msiexec, silent, with a log to show when it fails. Wine returns before the installer's
# service is done, hence the wait.
msiexec() {
    local status=0
    wine msiexec "$@" /qn /l*v "$(winepath -w "$work/msiexec.log")" >/dev/null 2>&1 || status=$?
    timeout 120 wineserver -w || true
    return "$status"
}

# The files under drive_c and the names of the registry keys, to compare before and after.
snapshot() {
    wine_stop
    (cd "$WINEPREFIX" && find drive_c -path 'drive_c/users/*/Temp' -prune -o \
        -path 'drive_c/windows/temp' -prune -o -print &&
        sed -n 's/^\(\[[^]]*\]\).*/\1/p' system.reg user.reg) | sort -u >"$work/$1"
}

# The Start-menu shortcuts of a name, wherever Wine put them.
shortcuts() {
    local folder
    for folder in "${programs_folders[@]}"; do
        [ -e "$folder/$1.lnk" ] && echo "$folder/$1.lnk"
    done
    return 0
}

# Checks what one installed package left: its files, its shortcuts, its single entry.
check_installed() {
    local code=$1 expected_version=$2 links sheet_links entry
    cmp -s "$installed_folder/proporcia.exe" "$built_program" ||
        fail "Program Files\\Proporcia\\proporcia.exe is not the program as built"
    [ "$(ls -A "$installed_folder" | tr '\n' ' ')" = "page proporcia.exe " ] ||
        fail "Program Files\\Proporcia holds other files: $(ls -A "$installed_folder")"
    page_installed_as_built "$page" ||
        fail "Program Files\\Proporcia\\page is not the page's folder as built"
    mapfile -t sheet_links < <(shortcuts "$sheet_name")
    [ "${#sheet_links[@]}" = 1 ] ||
        fail "not one Start-menu shortcut \"$sheet_name\": ${sheet_links[*]:-none}"
    shortcut_opens_page "${sheet_links[0]}" "$sheet_page" ||
        fail "the shortcut \"$sheet_name\" does not open page\\$sheet_page"
    mapfile -t links < <(shortcuts "$product")
    [ "${#links[@]}" = 1 ] || fail "not one Start-menu shortcut \"$product\": ${links[*]:-none}"
    shortcut_starts_program "${links[0]}" || fail "the shortcut does not start the program"
    # Windows Installer keeps the product's icon in its own folder, for the shortcut and the entry.
    grep -qiF "C:\\windows\\Installer\\$code\\proporcia.ico" <<<"$(strings -el "${links[0]}")" ||
        fail "the shortcut does not show the program's icon"
    entry=$(registry_texts "$uninstall_keys\\$code")
    [ "$(text_of "$entry" DisplayName)" = "$product" ] ||
        fail "Apps & features: DisplayName is not \"$product\""
    [ "$(text_of "$entry" DisplayVersion)" = "$expected_version" ] ||
        fail "Apps & features: DisplayVersion is not $expected_version"
    [ "$(text_of "$entry" Publisher)" = "$publisher" ] ||
        fail "Apps & features: Publisher is not \"$publisher\""
    echo "Installed: $product $expected_version, $code, shortcut ${links[0]#"$WINEPREFIX/"}"
}

snapshot before
code=$(product_code "$package")
msiexec /i "$(winepath -w "$package")" ||
    fail "msiexec /i /qn failed (exit $?): $(tail -n 5 "$work/msiexec.log" | tr -d '\0')"
check_installed "$code" "$version"
installed_program_shows_window

# The same program as a later version: it must take the older one's place.
newer_version=$version.1
newer="$work/newer.msi"
"$(dirname "$0")/../../packaging/windows/build-msi.sh" "${product_arguments[@]}" \
    --program "$built_program" --version "$newer_version" --output "$newer"
newer_code=$(product_code "$newer")
[ "$newer_code" != "$code" ] || fail "the newer package has the same product code"
msiexec /i "$(winepath -w "$newer")" || fail "the newer package did not install (exit $?)"
check_installed "$newer_code" "$newer_version"
[ -z "$(registry_text "$uninstall_keys\\$code" DisplayName)" ] ||
    fail "the older version's Apps & features entry is left beside the newer"

if msiexec /i "$(winepath -w "$package")"; then
    fail "the older package installed over the newer"
fi
check_installed "$newer_code" "$newer_version"

msiexec /x "$(winepath -w "$newer")" || fail "msiexec /x /qn failed (exit $?)"
snapshot after
# What Windows Installer makes once for all packages stays; nothing of this one may.
left=$(comm -13 "$work/before" "$work/after" | grep -vxE 'drive_c/windows/Installer|\[Software\\\\Classes\\\\Installer\\\\(Features|Products|UpgradeCodes)\]|\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Installer\\\\(UpgradeCodes|UserData\\\\S-1-5-18\\\\(Components|Products))\]|\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\]' || true)
[ -z "$left" ] || fail "left behind after removal: $left"
echo "PASS: installed, upgraded in place, refused the older, removed silently, nothing left"
