# shellcheck shell=bash
# The Debian packages each build and each kind of test needs, written once for every script that
# installs them (scripts/install-packages.sh installs what is missing).
#
#   proporcia_packages <need>...   prints the packages of the needs given, each once
#
# Needs: program (the Qt program), tests (its tests, run by ctest --preset quick), memcheck
# (valgrind), packaging (the Debian package and the desktop files' checks), web (the page),
# web-tests, windows (the Win32 program and its installers), windows-tests (Wine), fuzz,
# reproducible.

proporcia_packages() {
    local need packages=()
    for need in "$@"; do
        case $need in
            program) packages+=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n
                fonts-liberation2) ;;
            # GoogleTest and Google Benchmark; the X tools the window's tests drive it with on a
            # virtual display; XCB's damage extension for the start-up measurement; Node.js for
            # the documents' check, unless one from elsewhere is there.
            tests)
                packages+=(libgtest-dev libbenchmark-dev xvfb xauth xdotool xclip imagemagick
                    libxcb-damage0-dev)
                command -v node >/dev/null 2>&1 || packages+=(nodejs)
                ;;
            memcheck) packages+=(valgrind) ;;
            # dpkg-shlibdeps finds the package's dependencies, CPack needs file to run it; the
            # checks of the desktop entry, the software-centre entry, the package and the Windows
            # resource script.
            packaging) packages+=(dpkg-dev file desktop-file-utils appstream lintian
                binutils-mingw-w64-x86-64) ;;
            web) packages+=(cmake ninja-build emscripten) ;;
            # GoogleTest's sources for the WebAssembly tests; the three browsers and the fonts
            # (WebKit's MiniBrowser comes with its WebDriver; localedef's sources of the locales
            # it is started in come with locales); a virtual X display for WebKit and for the
            # desktop window's picture, which ImageMagick takes; poppler reads printed sheets.
            web-tests)
                packages+=(libgtest-dev chromium firefox-esr webkit2gtk-driver locales
                    fonts-liberation2 xvfb xauth imagemagick poppler-utils)
                # Node.js from elsewhere brings its own npm, which Debian's would conflict with.
                command -v npm >/dev/null 2>&1 || packages+=(npm)
                ;;
            # The cross compiler (posix threads, for GoogleTest), NSIS for the setup program,
            # msitools and gcab for the Windows Installer package.
            windows) packages+=(cmake ninja-build g++-mingw-w64-x86-64-posix
                binutils-mingw-w64-x86-64 nsis msitools gcab) ;;
            # GoogleTest's sources, Wine with a virtual display and the X tools, and Liberation
            # Serif for Wine's Times New Roman.
            windows-tests) packages+=(libgtest-dev wine wine64 xvfb xauth xdotool xclip
                imagemagick fonts-liberation2) ;;
            # libclang-rt-dev holds libFuzzer and the sanitizer runtimes of the release's clang
            # (14 on Debian 12, 19 on Debian 13).
            fuzz) packages+=(cmake ninja-build clang libclang-rt-dev) ;;
            # diffoscope-minimal shows where two builds differ.
            reproducible) packages+=(git diffoscope-minimal) ;;
            *)
                echo "proporcia_packages: no such need: $need" >&2
                return 2
                ;;
        esac
    done
    printf '%s\n' "${packages[@]}" | awk '!seen[$0]++' | tr '\n' ' '
    echo
}
