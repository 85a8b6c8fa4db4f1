# shellcheck shell=bash
# What the tests of the setup program and of the Windows Installer package both check of an
# installed program, under Wine. Source it after wine-session.sh.

readonly installed_folder="$WINEPREFIX/drive_c/Program Files/Proporcia"
readonly uninstall_keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# The text entries of a registry key, a "name=value" line each, or nothing. Exported, since reg
# query prints in the console's code page, which has no Cyrillic here.
registry_texts() {
    local exported
    exported=$(mktemp --suffix=.reg)
    wine reg export "$1" "$(winepath -w "$exported")" /y >/dev/null 2>&1 || true
    iconv -f UTF-16 -t UTF-8 "$exported" 2>/dev/null | tr -d '\r' |
        sed -n 's/^"\([^"]*\)"="\(.*\)"$/\1=\2/p' | sed 's/\\\(.\)/\1/g'
    rm -f "$exported"
}

# One value of the lines registry_texts gave, or nothing.
text_of() {
    sed -n "s/^$2=//p" <<<"$1"
}

# The value of one text entry of a registry key, or nothing.
registry_text() {
    text_of "$(registry_texts "$1")" "$2"
}

# Whether a shell link starts the installed program. A link keeps the path both as 8-bit and as
# UTF-16 text.
shortcut_starts_program() {
    local texts
    texts=$(strings "$1" && strings -el "$1")
    grep -qiF 'C:\Program Files\Proporcia\proporcia.exe' <<<"$texts"
}

# Whether a shell link opens the installed page's file, given as a path under the page's folder.
shortcut_opens_page() {
    local texts file=${2//\//\\}
    texts=$(strings "$1" && strings -el "$1")
    grep -qiF "C:\Program Files\Proporcia\page\\$file" <<<"$texts"
}

# Whether the installed page's folder holds the built one's files, and no others.
page_installed_as_built() {
    diff -r -q "$1" "$installed_folder/page"
}

# The installed program starts and shows its window.
installed_program_shows_window() {
    local program
    wine "C:\\Program Files\\Proporcia\\proporcia.exe" &
    program=$!
    timeout 30 xdotool search --sync --all --pid "$program" --onlyvisible >/dev/null ||
        fail "the installed program shows no window"
    kill "$program"
    wine_stop
}
