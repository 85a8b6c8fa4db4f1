#!/usr/bin/env bash
# Installs what building the program needs, and the Debian packages given as arguments, where
# missing (in one go), then builds the program in build/: without the tests when build/ is new,
# and reusing a build/ that ./test.sh set up as it is.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake make g++ qt6-base-dev qt6-translations-l10n fonts-liberation2 \
    "$@"

if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
fi
cmake --build build --parallel "$(nproc)" --target proporcia
