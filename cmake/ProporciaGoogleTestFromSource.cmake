# GoogleTest built from Debian's sources (libgtest-dev ships them in /usr/src/googletest) with the
# build's own compiler, where the packaged libraries do not fit it, as with Emscripten's or
# MinGW-w64's. Offers the same targets as find_package(GTest).
set(PROPORCIA_GOOGLETEST_SOURCE_DIR /usr/src/googletest
    CACHE PATH "GoogleTest's sources, for a compiler the packaged libraries were not built with")

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
if(EMSCRIPTEN)
    # Single-threaded WebAssembly has no threads to guard against.
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
endif()
add_subdirectory("${PROPORCIA_GOOGLETEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest"
    EXCLUDE_FROM_ALL)
# GoogleTest's own build names its targets GTest::gtest and GTest::gtest_main as well.
if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()
