# shellcheck shell=bash
# Configures and builds with the project's CMake presets (CMakePresets.json), where every build's
# options are written, once.
#
#   proporcia_configure <preset>            configures the preset's build folder
#   proporcia_build <preset> [target...]    configures, then builds (all, or the targets given)
#   proporcia_tests_wanted <script> [--tests]
#                                           true with --tests, false without; anything else ends
#                                           the script with its usage: for the scripts that build
#                                           a release or, with --tests, the tests' build
#   proporcia_install_and_build <build> <tests>
#                                           for those scripts: installs the packages of the need
#                                           <build> (scripts/lib/packages.sh, which the script
#                                           sources), then builds the preset <build-release>, or
#                                           where <tests> is true, <build> with its tests and their
#                                           packages too
#   proporcia_page_folder                   the released page's folder, as CMakePresets.json names
#                                           it (the web-release preset)
#
# Each build configures again, which is quick when nothing changed, so that an option edited in
# CMakePresets.json reaches a build folder set up before. Where CMakePresets.json changed since
# the folder was configured, it is configured afresh: an option taken out of a preset, or a
# toolchain changed, would stay in the folder's cache otherwise. So is a folder made with
# another generator (Unix Makefiles, before the presets chose Ninja), which CMake refuses.

proporcia_configure() {
    local preset=$1 log status=0 folder reason=
    log=$(mktemp)
    cmake --preset "$preset" 2>&1 | tee "$log" || status=$?
    folder=$(sed -n 's/^-- Build files have been written to: //p' "$log" | tail -n 1)
    if [ $status -ne 0 ] && grep -q 'Does not match the generator used previously' "$log"; then
        reason="its build folder was made with another generator"
    elif [ $status -eq 0 ] && [ -f "$folder/CMakePresets.configured.json" ] &&
        ! cmp -s CMakePresets.json "$folder/CMakePresets.configured.json"; then
        reason="CMakePresets.json changed since its build folder was configured"
    fi
    if [ -n "$reason" ]; then
        echo "Configuring $preset afresh: $reason"
        status=0
        cmake --preset "$preset" --fresh 2>&1 | tee "$log" || status=$?
        folder=$(sed -n 's/^-- Build files have been written to: //p' "$log" | tail -n 1)
    fi
    # What the folder was configured from, to tell an edit next time.
    if [ $status -eq 0 ] && [ -d "$folder" ]; then
        cp CMakePresets.json "$folder/CMakePresets.configured.json"
    fi
    rm -f "$log"
    return $status
}

proporcia_build() {
    local preset=$1
    shift
    proporcia_configure "$preset"
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake --build --preset "$preset" "${targets[@]}"
}

proporcia_tests_wanted() {
    local script=$1
    shift
    case "$*" in
        --tests) echo true ;;
        '') echo false ;;
        *)
            echo "Usage: $script [--tests]" >&2
            exit 2
            ;;
    esac
}

proporcia_install_and_build() {
    local build=$1 tests=$2
    if $tests; then
        # shellcheck disable=SC2046  # a list of package names
        scripts/install-packages.sh $(proporcia_packages "$build" "$build-tests")
        proporcia_build "$build"
    else
        # shellcheck disable=SC2046
        scripts/install-packages.sh $(proporcia_packages "$build")
        proporcia_build "$build-release"
    fi
}

proporcia_page_folder() {
    local folder
    folder=$(cmake --preset web-release -N | sed -n 's/^ *PROPORCIA_PAGE_FOLDER="\(.*\)"$/\1/p')
    if [ -z "$folder" ]; then
        echo "CMakePresets.json names no PROPORCIA_PAGE_FOLDER for web-release" >&2
        return 1
    fi
    echo "$folder"
}
