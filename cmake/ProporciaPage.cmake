# The page's folder: where the web build writes it, and what the Debian package, the setup
# program and the Windows Installer package carry beside the program, with a menu entry or
# Start-menu shortcut of their own for the worksheet. By default the web build writes it into its
# own build folder, and the other builds take the one of the web build with the tests (the web
# preset); the release presets name the released page's folder instead, once, in
# CMakePresets.json. The folder is read when a package is made, not when the build is
# configured: the Qt and Win32 programs build without it, and the packages fail, saying so, when
# it is missing.
if(EMSCRIPTEN)
    set(default_page_folder "${PROJECT_BINARY_DIR}/page")
else()
    set(default_page_folder "${PROJECT_SOURCE_DIR}/build-web/page")
endif()
set(PROPORCIA_PAGE_FOLDER "${default_page_folder}" CACHE PATH
    "The page's folder as built for browsers, which the packages install")
# The worksheet: the page in the folder that its menu entry and shortcut open, and their name.
set(PROPORCIA_SHEET_PAGE sheet.html)
set(PROPORCIA_SHEET_NAME "Работен лист – сложно тройно правило")
set(PROPORCIA_SHEET_SUMMARY "Работни листове по сложно тройно правило в браузъра")
# Where the Debian package installs the folder, under its prefix /usr.
set(PROPORCIA_PAGE_DESTINATION "${CMAKE_INSTALL_DATADIR}/proporcia/page")
