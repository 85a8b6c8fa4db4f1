#!/usr/bin/env bash
# Checks that every build's CMake options are written in CMakePresets.json only, that every
# preset the scripts and the documents name exists, and that a build folder set up with another
# generator is configured again rather than refused.
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

# 1. No cache variable the presets set is set again with -D in a tracked file.
mapfile -t options < <(grep -oE '"(BUILD|CMAKE|PROPORCIA)_[A-Z_]+": ' CMakePresets.json |
    tr -d '": ' | sort -u)
[ ${#options[@]} -ge 5 ] || fail "read only ${#options[@]} cache variables from CMakePresets.json"
for option in "${options[@]}"; do
    if written=$(git grep -n -E -e "-D$option(:[A-Z]+)?=" -- . ':!CMakePresets.json'); then
        fail_later "$option is set outside CMakePresets.json:"$'\n'"$written"
    fi
done
# Nor is a configure run by hand: emcmake adds options of its own.
if written=$(git grep -n -e 'emcmake cmake' -- '*.sh' '*.md' ':!tests/builds'); then
    fail_later "emcmake is run outside the presets:"$'\n'"$written"
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
check_named configure 'proporcia_build ([a-z0-9-]+)'
check_named configure 'proporcia_configure ([a-z0-9-]+)'

# 3. A folder configured with Unix Makefiles is configured afresh with the presets' Ninja.
if command -v ninja >/dev/null && command -v make >/dev/null; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    cat >"$scratch/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(generator_switch NONE)
CMAKE
    cat >"$scratch/CMakePresets.json" <<'JSON'
{ "version": 6, "configurePresets": [
  { "name": "here", "generator": "Ninja", "binaryDir": "${sourceDir}/build" } ] }
JSON
    cmake -S "$scratch" -B "$scratch/build" -G "Unix Makefiles" >/dev/null
    (cd "$scratch" && source "$root/scripts/lib/presets.sh" && proporcia_configure here) \
        >"$scratch/log" 2>&1 || fail_later "a Makefiles folder was not configured again:
$(tail -n 20 "$scratch/log")"
    grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$scratch/build/CMakeCache.txt" ||
        fail_later "the folder configured again is not Ninja's"
else
    echo "No ninja or make here: the generator switch is not tried"
fi

[ "$failures" -eq 0 ] || exit 1
echo "The presets hold every build's options, and every preset named exists"
