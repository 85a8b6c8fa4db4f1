#!/usr/bin/env bash
# Installs what is missing and builds the program for a web browser: the page's folder (index.html,
# sheet.html, practice.html, the script and its WebAssembly module, the icons, the web app
# manifest and the service worker), which any static web server can serve
# (scripts/serve-web.sh does on this computer).
#
#   scripts/build-web.sh           the page as released (the web-release preset), into the folder
#                                  CMakePresets.json names (build-release/web/page/), which the
#                                  packages carry
#   scripts/build-web.sh --tests   the page with its tests (the web preset) in build-web/, and the
#                                  npm packages the tests use (tests/web/package-lock.json);
#                                  ctest --preset web runs them
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
source scripts/lib/presets.sh

tests=$(proporcia_tests_wanted "$0" "$@")
proporcia_install_and_build web "$tests"
if $tests; then
    lock=tests/web/package-lock.json
    installed=tests/web/node_modules/.package-lock.json
    if [ ! -f "$installed" ] || [ "$lock" -nt "$installed" ]; then
        # Without the packages' install scripts: some would fetch WebDriver programs from the
        # internet, which the tests do not use (WebKit's comes with Debian's package).
        npm ci --prefix tests/web --no-audit --no-fund --ignore-scripts
    fi
    echo "The page is in build-web/page/, its tests run with: ctest --preset web"
else
    echo "The page is in $(proporcia_page_folder)/; scripts/serve-web.sh serves it."
fi
