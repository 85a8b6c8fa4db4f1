# Run as cmake -DINPUT=<file> -DOUTPUT=<file> -P copy_without_comments.cmake: writes a style
# sheet into the page's folder without its comments, which pupils' phones need not fetch.
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/ProporciaComments.cmake")
proporcia_without_comments(text "${INPUT}")
file(WRITE "${OUTPUT}" "${text}")
