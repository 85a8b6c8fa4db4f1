#!/usr/bin/env bash
# Installs what is missing, builds the program in build/ and runs every test, builds the page for
# web browsers in build-web/ and runs its tests, runs the native tests again in a sanitizer build,
# cross-builds the Windows program in build-windows/ and runs its tests under Wine, builds the
# release artefacts twice more from the commit to check that they come out the same, fuzzes the
# engine for a minute, then checks the documents' links and runs the commands they mark. At the
# end, or where a stage fails, it prints what each stage took and what its tests counted.
#
#   ./test.sh           the full run, as CI does it
#   ./test.sh --quick   the plain build and its tests only, for daily work, installing only
#                       what they need: no web page, no sanitizer build, no valgrind, no Windows
#                       build, no fuzzing, no packaging, no reproducibility check; the
#                       documents' links, but not their commands
set -euo pipefail
cd "$(dirname "$0")"

quick=false
case "${1:-}" in
    --quick) quick=true ;;
    '') ;;
    *)
        echo "Usage: $0 [--quick]" >&2
        exit 2
        ;;
esac

# Each stage's name, time and count of tests, for the summary.
summary=()
stage_name=
stage_start=$SECONDS
stage_count=
end_stage() {
    [ -n "$stage_name" ] || return 0
    summary+=("$(printf '%-44s %5d s  %s' "$stage_name" $((SECONDS - stage_start)) "$stage_count")")
    stage_name=
}
stage() {
    end_stage
    stage_name=$1
    stage_start=$SECONDS
    stage_count=
    echo "==> $stage_name"
}
print_summary() {
    local status=$?
    [ $status -eq 0 ] || stage_count+="${stage_count:+, }FAILED"
    end_stage
    echo "==> Summary ($((SECONDS / 60)) min $((SECONDS % 60)) s in all)"
    printf '    %s\n' "${summary[@]}"
    exit $status
}
trap print_summary EXIT
# Runs a command that runs ctest and keeps ctest's count of the tests for the summary.
counted() {
    local log status=0
    log=$(mktemp)
    "$@" | tee "$log" || status=$?
    stage_count=$(grep -oE '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" |
        tail -n 1 || true)
    rm -f "$log"
    return $status
}

source scripts/lib/packages.sh
source scripts/lib/presets.sh

# Every build's options are in CMakePresets.json; each stage builds and tests one of its presets.
stage "Debian packages"
if $quick; then
    # shellcheck disable=SC2046  # a list of package names
    scripts/install-packages.sh $(proporcia_packages program tests)
else
    # shellcheck disable=SC2046
    scripts/install-packages.sh $(proporcia_packages program tests memcheck packaging web \
        web-tests windows windows-tests fuzz reproducible)
fi

# The Debian package carries the page's folder, which the web build below makes.
stage "Linux: build"
proporcia_build linux
if $quick; then
    stage "Linux: tests (quick)"
    counted ctest --preset quick --parallel "$(nproc)"
    stage "Documents: links and quotes"
    scripts/check-docs.sh --links-only
    exit 0
fi

# The program in a browser: the engine and the page built with Emscripten, the tests run in Node
# and in Chromium, Firefox and WebKit. It is built before the Linux tests, whose package carries
# it, and after the Linux build, whose window its tests compare the page's with.
stage "Web: build"
scripts/build-web.sh --tests
stage "Linux: tests"
counted ctest --preset all --parallel "$(nproc)"
stage "Web: tests"
counted ctest --preset web --parallel "$(nproc)"

# The same suite again under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
stage "Sanitizers: build and tests"
counted scripts/sanitizer-tests.sh

# The Windows program, its setup program and Windows Installer package, and its tests, which run
# one at a time under Wine.
stage "Windows: build"
scripts/build-windows.sh --tests
stage "Windows: tests under Wine"
counted ctest --preset windows

# The release artefacts built twice from the committed HEAD with the release presets, in two
# fresh clones, by different users, under different umasks, time zones and times, and compared
# byte for byte.
stage "Reproducible builds"
scripts/check-reproducible.sh
stage_count=$(tail -n 1 build-reproducible/summary.txt)

# A minute of fuzzing the engine, built with clang in build-fuzz/.
stage "Fuzzing"
scripts/fuzz.sh 60
stage_count=$(grep -oE '^Done [0-9]+ runs in [0-9]+ second' build-fuzz/fuzz.log || true)

# The documents: every relative link, and every command they mark to be run, run as written.
stage "Documents: links, quotes and commands"
scripts/check-docs.sh
