#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer in build-sanitizers/ and runs every test there. Any report fails the
# run. Called by ./test.sh once the plain build has passed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

cmake -S . -B build-sanitizers -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DPROPORCIA_WARNINGS_AS_ERRORS=ON -DPROPORCIA_SANITIZERS=ON
cmake --build build-sanitizers --parallel "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/leak-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-sanitizers
ctest --output-on-failure --parallel "$(nproc)"
