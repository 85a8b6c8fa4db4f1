# shellcheck shell=bash
# Runs Windows programs under Wine for the tests: in one prefix per test run, made under the
# build folder, on a virtual X display of its own. Source it; set PROPORCIA_WINE_PREFIX first.
#
# Where Wine cannot start, the functions end the script with exit code 77, which CTest reports
# as skipped, after saying why.

# shellcheck source=../lib/helpers.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib/helpers.sh"

export WINEPREFIX=${PROPORCIA_WINE_PREFIX:?the Wine prefix to use}
# Wine writes Windows file names to the Linux file system in the locale's character set: without
# UTF-8 (no locale at all, as on a freshly installed system) the Start-menu shortcut
# "Математика - пропорция" cannot be written. A test that wants a language of its own sets a
# UTF-8 one.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
    *UTF-8* | *utf8*) ;;
    *) export LC_ALL=C.UTF-8 ;;
esac
export WINEDEBUG=-all
# No .NET or Gecko installers, and no menu entries or file associations on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_skip() {
    echo "SKIP: $*" >&2
    exit 77
}

wine_require() {
    command -v wine >/dev/null && command -v wineserver >/dev/null ||
        wine_skip "Wine is not installed (scripts/build-windows.sh --tests installs it)"
    command -v xvfb-run >/dev/null || wine_skip "xvfb-run is not installed (package xvfb)"
}

# Ends every process of the prefix. wineserver -w waits as long as any program lives, so never
# without a time limit.
wine_stop() {
    [ -d "$WINEPREFIX" ] || return 0
    timeout 30 wineserver -k >/dev/null 2>&1 || true
    timeout 30 wineserver -w >/dev/null 2>&1 || true
}

# Makes a new prefix in place of any old one: about 8 s and 700 MB.
wine_make_prefix() {
    wine_require
    wine_stop
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    timeout 300 wine wineboot -i >/dev/null 2>&1 ||
        wine_skip "Wine could not make its prefix in $WINEPREFIX"
    # Windows has Times New Roman; this Wine has its metric twin from fonts-liberation2.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
        /d 'Liberation Serif' /f >/dev/null 2>&1
    wine_set_managed N
    wine_stop
}

# Makes the prefix if this run has none yet.
wine_ensure_prefix() {
    wine_require
    [ -f "$WINEPREFIX/system.reg" ] || wine_make_prefix
}

# Screen resolution in dots per inch for the programs started from now on: 96 is 100 %, 192 is
# 200 %.
wine_set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >/dev/null 2>&1
}

# Y: windows managed as if by a window manager, which without one to frame them are X windows the
# size of their client areas. N: windows that Wine frames itself, as the virtual display has no
# window manager; with Wine waiting for one, every window that closes would take 2 s.
wine_set_managed() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$1" /f >/dev/null 2>&1
}

# For the programs started from now on: the given dots per inch, and a managed window, so that
# resizing the X window resizes the client area.
wine_use_display() {
    wine_set_dpi "$1"
    wine_set_managed Y
    wine_stop
}

# Back to what the other tests expect: 100 %, and windows that Wine manages itself. Meant for an
# EXIT trap, so it goes on past a failure.
wine_restore_display() {
    wine_stop
    wine_set_dpi 96 || true
    wine_set_managed N || true
    wine_stop
}

# For a test's EXIT trap: ends the program, if a process id is given, and puts the display back,
# going on past any failure.
wine_end_session() {
    if [ -n "${1:-}" ]; then kill "$1" 2>/dev/null || true; fi
    wine_restore_display
}
