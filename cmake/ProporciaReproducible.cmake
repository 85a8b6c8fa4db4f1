# The same commit builds to the same bytes in any folder and at any time
# (scripts/check-reproducible.sh checks it).
#
# Paths in debug information and in __FILE__ are written relative to the source tree, whose place
# differs from one checkout to the next. That matters even in a stripped program: the GNU build
# ID is a hash of the whole output, debug information included. A build folder inside the source
# tree, as the project's scripts make, is covered too.
add_compile_options(
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>")

if(MINGW)
    # The linker stamps a Windows program with the time it was linked; 0 is no time, which
    # Windows accepts.
    add_link_options(-Wl,--no-insert-timestamp)
endif()
