# The Windows build's test programs run under Wine (tests/win32/wine-run.sh), in one prefix per
# test run, made by the first test under the build folder.
set(PROPORCIA_WINE_PREFIX "${PROJECT_BINARY_DIR}/wine-prefix")
set(PROPORCIA_WINE_RUN "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
set(CMAKE_CROSSCOMPILING_EMULATOR "${PROPORCIA_WINE_RUN};${PROPORCIA_WINE_PREFIX}")

add_test(NAME wine_prefix COMMAND ${PROPORCIA_WINE_RUN} ${PROPORCIA_WINE_PREFIX} --new-prefix)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP emulator RESOURCE_LOCK emulator
    SKIP_RETURN_CODE 77 TIMEOUT 600)
