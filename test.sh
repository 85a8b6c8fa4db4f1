#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ and runs every test, runs them all again
# in a sanitizer build, then fuzzes the engine for a minute.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-packages.sh cmake make g++ libgtest-dev qt6-base-dev qt6-translations-l10n \
    libbenchmark-dev fonts-liberation2 xvfb xauth xdotool xclip valgrind libxcb-damage0-dev \
    desktop-file-utils appstream dpkg-dev file lintian binutils-mingw-w64-x86-64 \
    clang-14 libclang-rt-14-dev

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DPROPORCIA_WARNINGS_AS_ERRORS=ON
cmake --build build --parallel "$(nproc)"
cd build
ctest --output-on-failure --parallel "$(nproc)"
cd ..

# The same suite again under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
scripts/sanitizer-tests.sh

# A minute of fuzzing the engine, built with clang in build-fuzz/.
scripts/fuzz.sh 60
