#!/usr/bin/env bash
# Installs what the Windows build and its tests need, where missing, builds the page, which both
# installers carry, into build-web/page/ (scripts/build-web.sh), then cross-builds with
# MinGW-w64 in build-windows/: the program (build-windows/app/win32/proporcia.exe), its tests,
# the setup program (build-windows/proporcia-<version>-setup.exe) and the Windows Installer
# package (build-windows/proporcia-<version>-x64.msi). The tests run under Wine:
#     (cd build-windows && ctest --output-on-failure)
#
#   scripts/build-windows.sh              install what is missing, configure once, build
#   scripts/build-windows.sh --packages   only print the Debian packages it needs
set -euo pipefail
cd "$(dirname "$0")/.."

# The cross compiler (posix threads, for GoogleTest), GoogleTest's sources, NSIS for the setup
# program, msitools and gcab for the Windows Installer package, Wine with a virtual display and
# the X tools for the tests, Liberation Serif for Wine's Times New Roman.
packages=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libgtest-dev nsis
    msitools gcab wine wine64 xvfb xauth xdotool xclip imagemagick fonts-liberation2)
if [ "${1:-}" = --packages ]; then
    echo "${packages[*]}"
    exit 0
fi

scripts/install-packages.sh "${packages[@]}"
scripts/build-web.sh
if [ ! -f build-windows/CMakeCache.txt ]; then
    cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DPROPORCIA_WARNINGS_AS_ERRORS=ON
fi
cmake --build build-windows --parallel "$(nproc)"
