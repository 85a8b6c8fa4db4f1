#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ and runs every test, builds the page for
# web browsers in build-web/ and runs its tests, runs the native tests again in a sanitizer build,
# cross-builds the Windows program in build-windows/ and runs its tests under Wine, then fuzzes
# the engine for a minute.
#
#   ./test.sh           the full run, as CI does it
#   ./test.sh --quick   the plain build and its tests only, for daily work: no web page, no
#                       sanitizer build, no valgrind, no Windows build, no fuzzing, no packaging
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

scripts/install-packages.sh cmake make g++ libgtest-dev qt6-base-dev qt6-translations-l10n \
    libbenchmark-dev fonts-liberation2 xvfb xauth xdotool xclip imagemagick valgrind \
    libxcb-damage0-dev desktop-file-utils appstream dpkg-dev file lintian \
    binutils-mingw-w64-x86-64 clang-14 libclang-rt-14-dev $(scripts/build-windows.sh --packages)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DPROPORCIA_WARNINGS_AS_ERRORS=ON
cmake --build build --parallel "$(nproc)"
cd build
if $quick; then
    # The labels name the slow checks that only the full run makes.
    ctest --output-on-failure --parallel "$(nproc)" --label-exclude 'memcheck|package'
    exit 0
fi
ctest --output-on-failure --parallel "$(nproc)"
cd ..

# The program in a browser: the engine and the page built with Emscripten, the tests run in Node
# and in headless Chromium.
scripts/build-web.sh --tests
ctest --test-dir build-web --output-on-failure --parallel "$(nproc)"

# The same suite again under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
scripts/sanitizer-tests.sh

# The Windows program, its setup program and its tests, which run one at a time under Wine.
scripts/build-windows.sh
ctest --test-dir build-windows --output-on-failure

# A minute of fuzzing the engine, built with clang in build-fuzz/.
scripts/fuzz.sh 60
