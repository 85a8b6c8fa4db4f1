#!/usr/bin/env bash
# Checks that the committed HEAD builds to the same bytes twice. It clones the repository into two
# new folders, with paths of different lengths, builds the release artefacts in each and compares
# them: the Debian package, proporcia.exe, the setup program and the MSI package, and the page's
# folder. Each is built exactly as released, by the release workflows of CMakePresets.json. The
# packages carry the page, so each clone builds it first, whichever builds are asked for. The
# second build runs later than the first, and with another folder, umask (002, not 022), time zone, locale, temporary folder and user: a throw-away one when run as root, otherwise
# only another HOME, USER and LOGNAME. Dates come from SOURCE_DATE_EPOCH where it is set, and
# otherwise from the commit's date, which the build files read themselves.
#
#   scripts/check-reproducible.sh                        all three builds
#   scripts/check-reproducible.sh [linux] [windows] [web]  only these
#   scripts/check-reproducible.sh --keep ...             keep both clones, and say where
#
# Prints a line for each artefact: same or different, with its SHA-256. Where two differ, it runs
# diffoscope on the pair, prints the start of its report and keeps the whole of it in
# build-reproducible/. Exits non-zero when any artefact differs or is made by one build only.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

keep=false
builds=()
for argument in "$@"; do
    case $argument in
        --keep) keep=true ;;
        linux | windows | web)
            [[ " ${builds[*]} " == *" $argument "* ]] || builds+=("$argument")
            ;;
        *)
            echo "Usage: $0 [--keep] [linux] [windows] [web]" >&2
            exit 2
            ;;
    esac
done
[ ${#builds[@]} -gt 0 ] || builds=(linux windows web)

# The tools of the builds asked for, and no more. The page's are always needed.
source scripts/lib/packages.sh
source scripts/lib/presets.sh
needs=(reproducible web)
for build in "${builds[@]}"; do
    case $build in
        linux) needs+=(program packaging) ;;
        windows) needs+=(windows) ;;
        web) ;;
    esac
done
# shellcheck disable=SC2046  # a list of package names
scripts/install-packages.sh $(proporcia_packages "${needs[@]}")

commit=$(git rev-parse HEAD)
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "Note: only the committed HEAD is checked, not the changes in the working tree"
fi
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "Checking commit ${commit:0:12}, dated by SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"
else
    echo "Checking commit ${commit:0:12}, dated by its commit date $(git log -1 --format=%ct)"
fi

reports=$root/build-reproducible
rm -rf "$reports"
mkdir -p "$reports"
work=$(mktemp -d "${TMPDIR:-/tmp}/proporcia-reproducible.XXXXXX")
chmod 755 "$work"
first=$work/a
second=$work/longer-name/b
mkdir -p "$work/logs" "$work/longer-name" "$work/tmp-a" "$work/longer-name/home" \
    "$work/longer-name/tmp"

# The second build's user: a throw-away one when there is root to make it.
user=
if [ "$(id -u)" -eq 0 ]; then
    user=proporcia-check-$$
    useradd --system --no-create-home --home-dir "$work/longer-name/home" \
        --shell /usr/sbin/nologin --user-group "$user"
fi
clean_up() {
    if [ -n "$user" ]; then
        userdel "$user" 2>/dev/null || true
    fi
    if $keep; then
        echo "The two builds are kept in $first and $second"
    else
        rm -rf "$work"
    fi
}
trap clean_up EXIT

# file://, not a plain path: git would hard-link the objects, and the second clone changes owner.
(umask 022 && git clone --quiet "file://$root" "$first" &&
    git -C "$first" checkout --quiet --detach "$commit")
(umask 002 && git clone --quiet "file://$root" "$second" &&
    git -C "$second" checkout --quiet --detach "$commit")
if [ -n "$user" ]; then
    chown -R "$user:$user" "$second" "$work/longer-name/home" "$work/longer-name/tmp"
fi

# Each build's release workflow (CMakePresets.json), run in the clone's folder: the same presets
# as scripts/build-web.sh, scripts/build-windows.sh and the README's packaging commands.
workflow() {
    case $1 in
        linux) echo debian-package ;;
        windows) echo windows-release ;;
        web) echo web-release ;;
    esac
}

# What each build makes, as paths (with wildcards) in the clone.
artefacts() {
    case $1 in
        linux) echo 'build-release/linux/proporcia_*.deb' ;;
        windows) echo 'build-release/windows/app/win32/proporcia.exe
build-release/windows/proporcia-*-setup.exe build-release/windows/proporcia-*-x64.msi' ;;
        web)
            local folder
            folder=$(proporcia_page_folder)
            echo "${folder#"$PWD/"}"
            ;;
    esac
}

# run_build <clone> <build> <umask> <time zone> <locale> <home> <user name> <temporary folder>
# Runs the build in an environment of only these, the PATH and SOURCE_DATE_EPOCH where set: what
# else a build needs (the page's NODE_PATH) its preset sets.
run_build() {
    local clone=$1 build=$2 mask=$3 zone=$4 locale=$5 home=$6 name=$7 temporary=$8
    local log="$work/logs/${clone##*/}-$build.log" started=$SECONDS
    local environment=(PATH="$PATH" HOME="$home" USER="$name" LOGNAME="$name" TZ="$zone"
        LC_ALL="$locale" TMPDIR="$temporary")
    [ -z "${SOURCE_DATE_EPOCH:-}" ] || environment+=(SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH")
    local as_user=()
    if [ -n "$user" ] && [ "$name" = "$user" ]; then
        as_user=(setpriv --reuid="$user" --regid="$user" --clear-groups)
    fi
    echo "==> Building $build in $clone (umask $mask, user $name, TZ $zone)"
    if ! "${as_user[@]}" env -i "${environment[@]}" bash -c \
        "umask $mask && cd '$clone' && cmake --workflow --preset $(workflow "$build")" >"$log" \
        2>&1; then
        tail -n 40 "$log" >&2
        echo "The $build build in $clone failed; its log is above and in $log" >&2
        return 1
    fi
    echo "    $build built in $clone in $((SECONDS - started)) s"
}
# The time zones, 26 hours apart, make the two builds' local dates differ; written as POSIX rules,
# they need no time zone database.
build_first() {
    run_build "$first" "$1" 022 AOE12 C.UTF-8 "${HOME:-$work/tmp-a}" "${USER:-$(id -un)}" \
        "$work/tmp-a"
}
build_second() {
    run_build "$second" "$1" 002 LINT-14 C "$work/longer-name/home" \
        "${user:-proporcia-check}" "$work/longer-name/tmp"
}

# A file's SHA-256, or a folder's: that of the list of its files' names and SHA-256.
digest() {
    if [ -d "$1" ]; then
        (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum) |
            sha256sum | cut -d' ' -f1
    else
        sha256sum "$1" | cut -d' ' -f1
    fi
}

# The table of artefacts, also kept in build-reproducible/summary.txt (its last line for
# ./test.sh's summary).
same_count=0
differences=0
missing=0
row() {
    printf '%-10s %-64s  %s\n' "$@" | tee -a "$reports/summary.txt"
}
# compare <path in the clones>: prints how the two builds' copies compare.
compare() {
    local name=$1 one="$first/$1" other="$second/$1"
    if [ ! -e "$one" ] && [ ! -e "$other" ]; then
        row "not built" "" "$name"
        missing=$((missing + 1))
        return
    fi
    if [ ! -e "$one" ] || [ ! -e "$other" ]; then
        row DIFFERENT "(made by one build only)" "$name"
        differences=$((differences + 1))
        return
    fi
    local same=false
    if [ -d "$one" ]; then
        diff -r -q "$one" "$other" >/dev/null && same=true
    else
        cmp -s "$one" "$other" && same=true
    fi
    if $same; then
        row same "$(digest "$one")" "$name"
        same_count=$((same_count + 1))
        return
    fi
    differences=$((differences + 1))
    row DIFFERENT "$(digest "$one")" "$name (the second build's: $(digest "$other"))"
    local report
    report="$reports/$(basename "$name").diffoscope.txt"
    # Relative paths, so that the report names the two builds a/ and longer-name/b/.
    (cd "$work" && timeout 600 diffoscope --no-progress --text "$report" "${one#"$work/"}" \
        "${other#"$work/"}" >/dev/null 2>&1) || true
    if [ -s "$report" ]; then
        echo "    where they differ (diffoscope; the whole report is $report):"
        head -n 60 "$report" | sed 's/^/    /'
    else
        echo "    diffoscope could not compare them"
    fi
}

# The page first in the first clone; then both clones build at once, which keeps both cores busy
# through each build's serial steps (the configuring, the linking, the packing): the first the
# packages, the second the page and then the packages in another order, so that the same build
# seldom runs in both clones at once.
packages_built=()
for build in "${builds[@]}"; do
    [ "$build" = web ] || packages_built+=("$build")
done
second_order=(web "${packages_built[@]:1}" "${packages_built[@]:0:1}")
started=$SECONDS
if ! build_first web; then
    keep=true
    exit 1
fi
(for build in "${packages_built[@]}"; do build_first "$build" || exit 1; done) &
first_builds=$!
(for build in "${second_order[@]}"; do build_second "$build" || exit 1; done) &
second_builds=$!
status=0
wait $first_builds || status=1
wait $second_builds || status=1
if [ $status -ne 0 ]; then
    keep=true
    exit 1
fi

echo "==> The artefacts of the two builds ($((SECONDS - started)) s)"
for build in "${builds[@]}"; do
    for pattern in $(artefacts "$build"); do
        # Each path either build made, or the pattern itself where neither made one.
        names=$(cd "$first" && { compgen -G "$pattern" || true; })
        names+=$'\n'$(cd "$second" && { compgen -G "$pattern" || true; })
        names=$(sort -u <<<"$names" | sed '/^$/d')
        for name in ${names:-$pattern}; do
            compare "$name"
        done
    done
done

echo "$same_count the same, $differences different, $missing not built" >>"$reports/summary.txt"
if [ $differences -ne 0 ]; then
    echo "Artefacts that differ between the two builds of ${commit:0:12}: $differences" >&2
    exit 1
fi
echo "Every artefact built is the same in both builds of ${commit:0:12}"
