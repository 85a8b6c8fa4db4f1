#!/usr/bin/env bash
# Checks that every build's CMake options are written in CMakePresets.json only, that every
# preset the scripts and the documents name exists, and that an existing build folder takes what
# the presets say now.
# Usage: presets_test.sh <source folder>
set -euo pipefail
root=$(realpath "$1")
cd "$root"
# shellcheck source=tests/lib/helpers.sh
source tests/lib/helpers.sh

if ! command -v git >/dev/null || ! git rev-parse --git-dir >/dev/null 2>&1; then
    echo "Not a git checkout: nothing to search"
    exit 77
fi

# 1. No cache variable the presets set is set again with -D in a tracked file, nor the toolchain
# they name.
mapfile -t options < <(grep -oE '"(BUILD|CMAKE|PROPORCIA)_[A-Z_]+": ' CMakePresets.json |
    tr -d '": ' | sort -u)
[ ${#options[@]} -ge 5 ] || fail "read only ${#options[@]} cache variables from CMakePresets.json"
options+=(CMAKE_TOOLCHAIN_FILE)
for option in "${options[@]}"; do
    if written=$(git grep -n -E -e "-D$option(:[A-Z]+)?=" -- . ':!CMakePresets.json'); then
        fail_later "$option is set outside CMakePresets.json:"$'\n'"$written"
    fi
done
# Nor is a configure run by hand: emcmake adds options of its own.
if written=$(git grep -n -E -e 'emcmake cmake|cmake .*--toolchain' -- '*.sh' '*.md' \
    ':!tests/builds'); then
    fail_later "a build is configured outside the presets:"$'\n'"$written"
fi

# 2. Every preset named by a script, test.sh or a document exists, of its kind.
presets_of_kind() {
    cmake --list-presets="$1" 2>/dev/null | sed -n 's/^  "\([^"]*\)".*/\1/p'
}
check_named() {
    local kind=$1 pattern=$2 name file_line
    local known
    known=$(presets_of_kind "$kind")
    while IFS= read -r file_line; do
        name=$(sed -E "s/.*$pattern.*/\\1/" <<<"${file_line#*:*:}")
        grep -qxF -- "$name" <<<"$known" ||
            fail_later "no $kind preset \"$name\": ${file_line%%:*}:$(cut -d: -f2 <<<"$file_line")"
    done < <(git grep -n -E -e "$pattern" -- '*.sh' '*.md' '*.mjs' ':!tests/builds' || true)
}
check_named workflow 'cmake --workflow --preset[= ]([a-z0-9-]+)'
check_named build 'cmake --build --preset[= ]([a-z0-9-]+)'
check_named test 'ctest --preset[= ]([a-z0-9-]+)'
check_named configure 'cmake --preset[= ]([a-z0-9-]+)'
check_named configure 'proporcia_build ([a-z0-9-]+)'
check_named configure 'proporcia_configure ([a-z0-9-]+)'

# 3. An existing build folder takes what the presets say now: configured afresh where it was made
# with another generator or the presets changed since, and only configured again otherwise.
if command -v ninja >/dev/null && command -v make >/dev/null; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    cat >"$scratch/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(scratch NONE)
CMAKE
    # configure_scratch <cache variables as JSON>: the scratch folder configured through
    # proporcia_configure with a preset of those variables; its output in $scratch/log.
    configure_scratch() {
        # shellcheck disable=SC2016  # ${sourceDir} is for CMake
        printf '{ "version": 6, "configurePresets": [ { "name": "here", "generator": "Ninja",
  "binaryDir": "${sourceDir}/build", "cacheVariables": %s } ] }\n' "$1" \
            >"$scratch/CMakePresets.json"
        (cd "$scratch" && source "$root/scripts/lib/presets.sh" && proporcia_configure here) \
            >"$scratch/log" 2>&1 || fail_later "configuring with $1 failed:
$(tail -n 20 "$scratch/log")"
    }
    cached() { grep -c "^$1:" "$scratch/build/CMakeCache.txt" || true; }
    afresh() { grep -c 'Configuring here afresh' "$scratch/log" || true; }

    cmake -S "$scratch" -B "$scratch/build" -G "Unix Makefiles" -DKEPT=ON >/dev/null 2>&1
    # Each row: the preset's variables; then what the folder must hold afterwards: whether it
    # was configured afresh, the generator, and how many entries KEPT and DROPPED have.
    rows=(
        '{"KEPT": "ON", "DROPPED": "ON"}|1|Ninja|1|1'  # made with Unix Makefiles
        '{"KEPT": "ON", "DROPPED": "ON"}|0|Ninja|1|1'  # nothing changed
        '{"KEPT": "OFF"}|1|Ninja|1|0'                  # an option taken out
        '{"KEPT": "ON"}|1|Ninja|1|0'                   # an option changed
    )
    for row in "${rows[@]}"; do
        IFS='|' read -r variables want_afresh want_generator want_kept want_dropped <<<"$row"
        configure_scratch "$variables"
        got="$(afresh)|$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$scratch/build/CMakeCache.txt")"
        got+="|$(cached KEPT)|$(cached DROPPED)"
        want="$want_afresh|$want_generator|$want_kept|$want_dropped"
        [ "$got" = "$want" ] || fail_later "with $variables the folder is $got, not $want
$(tail -n 20 "$scratch/log")"
    done
else
    echo "No ninja or make here: existing build folders are not tried"
fi

[ "$failures" -eq 0 ] || exit 1
echo "The presets hold every build's options, and every preset named exists"
