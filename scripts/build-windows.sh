#!/usr/bin/env bash
# Installs what is missing and cross-builds the Windows program with MinGW-w64: the program
# (app/win32/proporcia.exe), the setup program (proporcia-<version>-setup.exe) and the Windows
# Installer package (proporcia-<version>-x64.msi). Both installers carry the page, which is built
# first (scripts/build-web.sh, with the same option).
#
#   scripts/build-windows.sh           as released (the windows-release preset), in
#                                      build-release/windows/, with the released page
#   scripts/build-windows.sh --tests   with the tests (the windows preset), in build-windows/, with
#                                      the page of build-web/ (scripts/build-web.sh --tests); they
#                                      run under Wine with: ctest --preset windows
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
source scripts/lib/presets.sh

tests=$(proporcia_tests_wanted "$0" "$@")
scripts/build-web.sh "$@"
proporcia_install_and_build windows "$tests"
$tests || echo "The Windows program and its installers are in build-release/windows/"
