#!/usr/bin/env bash
# Installs what is missing and builds the program for a web browser into build-web/page/:
# index.html, the script and its WebAssembly module, the icon and the web app manifest, which
# any static web server can serve (scripts/serve-web.sh does on this computer).
# With --tests, also builds the page's tests in build-web/ and installs the npm packages they
# use (tests/web/package-lock.json); ./test.sh runs them with ctest. Without it, a build-web/
# set up with the tests keeps them, so that building the page for the packages
# (scripts/build-windows.sh) does not undo ./test.sh's set-up.
set -euo pipefail
cd "$(dirname "$0")/.."

tests=
if [ "${1:-}" = --tests ]; then
    tests=ON
elif [ ! -f build-web/CMakeCache.txt ]; then
    tests=OFF
fi

packages=(cmake make emscripten)
if [ $tests = ON ]; then
    # GoogleTest's sources for the WebAssembly tests; the three browsers and the fonts for the
    # page's (WebKit's MiniBrowser comes with its WebDriver, and localedef's sources of the locales
    # it is started in with locales); a virtual X display, for WebKit and for the picture of the
    # desktop window, which ImageMagick takes.
    packages+=(libgtest-dev chromium firefox-esr webkit2gtk-driver locales fonts-liberation2
        xvfb xauth imagemagick poppler-utils)
    # Node.js from elsewhere brings its own npm, which Debian's would conflict with.
    command -v npm >/dev/null 2>&1 || packages+=(npm)
fi
scripts/install-packages.sh "${packages[@]}"

# Emscripten's optimizer loads Debian's acorn, which a Node.js from elsewhere does not look for.
export NODE_PATH=/usr/share/nodejs

# The desktop program, where ./test.sh built it, for comparing the page's look with its window's.
desktop=()
if [ -x build/app/qt/proporcia ]; then
    desktop=(-DPROPORCIA_DESKTOP_PROGRAM="$PWD/build/app/qt/proporcia")
fi
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release ${tests:+-DBUILD_TESTING=$tests} \
    -DPROPORCIA_WARNINGS_AS_ERRORS=ON "${desktop[@]}"
cmake --build build-web --parallel "$(nproc)"

if [ $tests = ON ]; then
    lock=tests/web/package-lock.json
    installed=tests/web/node_modules/.package-lock.json
    if [ ! -f "$installed" ] || [ "$lock" -nt "$installed" ]; then
        npm ci --prefix tests/web --no-audit --no-fund
    fi
fi
echo "The page is in build-web/page/; scripts/serve-web.sh serves it."
