#!/usr/bin/env bash
# Builds the Debian package with CPack in the build directory, unpacks it into a temporary root
# and checks that each file is where the desktop looks for it, that the files agree with one
# another and with the package, and that lintian finds no errors. (The validators of the menu
# entry and the metainfo run as tests of their own.) It makes the package under umask 002, and
# checks that what a reproducible package must not take from its maker is not there: the modes,
# owners and dates of its archives' members.
# Usage: check_debian_package.sh <cpack> <build directory> <version> <application id> <source>
set -euo pipefail
cpack=$1
build=$2
version=$3
id=$4
source=$5

if ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "SKIP: dpkg-deb is not installed; the Debian package is only made on Debian systems"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

package="$build/proporcia_${version}_$(dpkg --print-architecture).deb"
rm -f "$package"
if ! (cd "$build" && umask 002 && "$cpack" -G DEB) >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not make the package" >&2
    exit 1
fi
[ -f "$package" ] || { echo "FAIL: cpack made no $package" >&2; exit 1; }
echo "Made $package"

# The control fields.
field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = proporcia ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version)"
[ "$(field Section)" = education ] || fail "section $(field Section)"
depends=$(field Depends)
for needed in libqt6widgets6 fonts-liberation2; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Without the Wayland platform, a session with no X server cannot show the window at all.
recommends=$(field Recommends)
for wanted in qt6-wayland qt6-translations-l10n; do
    grep -qE "(^|, )$wanted( |,|$)" <<<"$recommends" || fail "Recommends lacks $wanted: $recommends"
done

# Every member of the three archives dated by SOURCE_DATE_EPOCH, or else the commit's date, owned
# by root and with no group write bit from the umask.
date=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct 2>/dev/null || true)}
if [ -n "$date" ]; then
    unexpected=$(TZ=UTC ar tv "$package" |
        grep -vE "^rw-r--r-- 0/0 +[0-9]+ $(TZ=UTC date -d "@$date" '+%b %e %H:%M %Y') ") || true
    [ -z "$unexpected" ] || fail "outer members not 644, root's and dated $date: $unexpected"
    stamp=$(TZ=UTC date -d "@$date" '+%F %T')
    for archive in --ctrl-tarfile --fsys-tarfile; do
        unexpected=$(dpkg-deb "$archive" "$package" | TZ=UTC tar -tv --full-time |
            grep -vE "^(-rw-r--r--|-rwxr-xr-x|drwxr-xr-x) root/root +[0-9]+ $stamp ") || true
        [ -z "$unexpected" ] || fail "$archive: not root's 644 or 755 dated $date: $unexpected"
    done
else
    echo "Neither SOURCE_DATE_EPOCH nor the commit's date is known: the dates are not checked"
fi

root="$work/root"
dpkg -x "$package" "$root"
share="$root/usr/share"
entry="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"

# Where desktops, software centres, man and dpkg look.
[ -x "$root/usr/bin/proporcia" ] || fail "no executable usr/bin/proporcia"
for file in "$entry" "$metainfo" "$share/doc/proporcia/copyright" \
    "$share/doc/proporcia/changelog.gz" "$share/man/man1/proporcia.1.gz" \
    "$share/man/bg/man1/proporcia.1.gz"; do
    [ -f "$file" ] || fail "no ${file#"$root/"}"
done
for size in 32 256; do
    icon="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    if [ -f "$icon" ]; then
        file -b "$icon" | grep -q "^PNG image data, $size x $size," ||
            fail "${icon#"$root/"} is not a $size × $size PNG: $(file -b "$icon")"
    else
        fail "no ${icon#"$root/"}"
    fi
done
unexpected=$(find "$root" -type f ! -path "$root/usr/bin/*" ! -path "$root/usr/share/*")
[ -z "$unexpected" ] || fail "files outside usr/bin and usr/share: $unexpected"

# The menu entry starts the installed program with the installed icon, under Education.
key() { sed -n "s/^$1=//p" "$entry"; }
if [ -f "$entry" ]; then
    [ -x "$root/usr/bin/$(key Exec)" ] || fail "Exec=$(key Exec) is not in usr/bin"
    [ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon), not $id"
    [[ ";$(key Categories)" == *";Education;"* ]] || fail "Categories=$(key Categories)"
fi
# The software centre's entry names this menu entry and describes this version.
if [ -f "$metainfo" ]; then
    grep -qF "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    grep -qF '<content_rating type="oars-1.1"' "$metainfo" || fail "no OARS 1.1 content rating"
    newest=$(grep -oP '<release version="\K[^"]+' "$metainfo" | head -n 1) || true
    [ "$newest" = "$version" ] || fail "the metainfo's newest release is ${newest:-none}"
fi
logged=$(zcat "$share/doc/proporcia/changelog.gz" 2>/dev/null |
    sed -n '1s/^proporcia (\([^)]*\)).*/\1/p') || true
[ "$logged" = "$version" ] || fail "the changelog's newest version is ${logged:-none}"

if command -v lintian >/dev/null 2>&1; then
    # Any status but 0 fails: errors found, or lintian could not read the package at all.
    status=0
    lintian --tag-display-limit 0 "$package" >"$work/lintian.log" 2>&1 || status=$?
    grep -v 'running with root privileges' "$work/lintian.log" || true
    [ $status -eq 0 ] || fail "lintian exited with status $status"
    ! grep -q '^E: ' "$work/lintian.log" || fail "lintian reports errors"
else
    echo "lintian is not installed: the package's policy checks are left out"
fi

if [ $failures -ne 0 ]; then
    echo "FAIL: $failures problems with $package" >&2
    exit 1
fi
echo "PASS: $package installs every file where the desktop expects it"
