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
#
# Each build configures again, which is quick when nothing changed, so that an option edited in
# CMakePresets.json reaches a build folder set up before.

proporcia_configure() {
    local preset=$1 log status=0
    log=$(mktemp)
    cmake --preset "$preset" 2>&1 | tee "$log" || status=$?
    # A folder set up with another generator (Unix Makefiles, before the presets chose Ninja)
    # cannot be configured again as it is: it is configured afresh, its old files left unused.
    if [ $status -ne 0 ] && grep -q 'Does not match the generator used previously' "$log"; then
        echo "Configuring $preset afresh: its build folder was made with another generator"
        status=0
        cmake --preset "$preset" --fresh || status=$?
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
