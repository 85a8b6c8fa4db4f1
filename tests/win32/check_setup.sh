#!/usr/bin/env bash
# Installs the program silently with its setup program under Wine, checks the installed files,
# the page's folder, the two Start-menu shortcuts and the Apps & features entry, starts the
# installed program, then uninstalls it silently and checks that nothing is left behind, not even
# a file of an earlier version's page.
# Usage: check_setup.sh <wine prefix> <setup.exe> <program.exe as built> <version> <app id>
#        <product name> <page folder as built> <worksheet's file> <worksheet's name>
set -euo pipefail
export PROPORCIA_WINE_PREFIX=$1
setup=$2
built_program=$3
version=$4
app_id=$5
product=$6
page=$7
sheet_page=$8
sheet_name=$9
# shellcheck source=wine-session.sh
source "$(dirname "$0")/wine-session.sh"
# shellcheck source=installed-program.sh
source "$(dirname "$0")/installed-program.sh"

wine_ensure_prefix
proporcia_on_virtual_display || proporcia_restart_on_virtual_display "$0" "$@"
trap wine_stop EXIT

readonly folder=$installed_folder
readonly programs="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
readonly shortcut="$programs/$product.lnk" sheet_shortcut="$programs/$sheet_name.lnk"
readonly key="$uninstall_keys\\$app_id"

# An earlier version's page, with a file this one does not have: installing over it leaves none
# of it, or the uninstaller, which knows only this version's files, would leave it for ever.
mkdir -p "$folder/page"
echo "an earlier version's script" >"$folder/page/earlier.js"

# A silent run ends without a window and says nothing; what it left is all there is to check.
wine "$setup" /S || fail "the setup program failed (exit $?)"
cmp -s "$folder/proporcia.exe" "$built_program" || fail "Program Files\\Proporcia\\proporcia.exe"
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut \"$product\""
shortcut_starts_program "$shortcut" || fail "the shortcut does not start the program"
page_installed_as_built "$page" ||
    fail "Program Files\\Proporcia\\page is not the page's folder as built"
[ -f "$sheet_shortcut" ] || fail "no Start-menu shortcut \"$sheet_name\""
shortcut_opens_page "$sheet_shortcut" "$sheet_page" ||
    fail "the shortcut \"$sheet_name\" does not open page\\$sheet_page"
entry=$(registry_texts "$key")
[ "$(text_of "$entry" DisplayVersion)" = "$version" ] ||
    fail "Apps & features: DisplayVersion is not $version"
[ "$(text_of "$entry" DisplayName)" = "$product" ] ||
    fail "Apps & features: DisplayName is not \"$product\""
[ "$(text_of "$entry" QuietUninstallString)" = '"C:\Program Files\Proporcia\uninstall.exe" /S' ] ||
    fail "Apps & features: no silent uninstall"
echo "Installed: $(text_of "$entry" DisplayName) $(text_of "$entry" DisplayVersion) in" \
    "$(text_of "$entry" InstallLocation)"

installed_program_shows_window

# The uninstaller copies itself away and returns at once; the copy finishes the work.
wine "$folder/uninstall.exe" /S || fail "the uninstaller failed (exit $?)"
timeout 60 wineserver -w || fail "the uninstaller did not finish within 60 s"
[ ! -e "$folder" ] || fail "Program Files\\Proporcia is left behind: $(ls -A "$folder")"
[ ! -e "$shortcut" ] || fail "the shortcut is left behind"
[ ! -e "$sheet_shortcut" ] || fail "the worksheet's shortcut is left behind"
[ -z "$(registry_text "$key" DisplayName)" ] || fail "the Apps & features entry is left behind"
echo "PASS: installed, started and uninstalled silently, with nothing left behind"
