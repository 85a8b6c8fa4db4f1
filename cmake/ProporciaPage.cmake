# The page's folder as the web build with the tests makes it (the web preset), which the Debian
# package, the setup program and the Windows Installer package carry beside the program, with a
# menu entry or Start-menu shortcut of their own for the worksheet. The folder is read when a
# package is made, not when the build is configured: the Qt and Win32 programs build without it,
# and the packages fail, saying so, when it is missing. The release presets take the page's
# release build instead.
set(PROPORCIA_PAGE_FOLDER "${PROJECT_SOURCE_DIR}/build-web/page" CACHE PATH
    "The page's folder as built for browsers (build-web/page), which the packages install")
# The worksheet: the page in the folder that its menu entry and shortcut open, and their name.
set(PROPORCIA_SHEET_PAGE sheet.html)
set(PROPORCIA_SHEET_NAME "Работен лист – сложно тройно правило")
set(PROPORCIA_SHEET_SUMMARY "Задачи по сложно тройно правило за решаване на лист, в браузъра")
# Where the Debian package installs the folder, under its prefix /usr.
set(PROPORCIA_PAGE_DESTINATION "${CMAKE_INSTALL_DATADIR}/proporcia/page")
