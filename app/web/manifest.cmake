# Run as cmake -DRUN=<command> -DTEMPLATE=<manifest.webmanifest.in> -DOUTPUT=<file>
#     -DPROPORCIA_PRODUCT_NAME=<name> -DPROPORCIA_PAGE_DESCRIPTION=<text> -P manifest.cmake.
# Writes the web app manifest from its template, with the window's colour as the program that RUN
# names prints it.
execute_process(COMMAND ${RUN} OUTPUT_VARIABLE PROPORCIA_WINDOW_COLOUR
    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT PROPORCIA_WINDOW_COLOUR MATCHES "^#[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f]$")
    message(FATAL_ERROR "The window's colour could not be read: '${PROPORCIA_WINDOW_COLOUR}' (${status})")
endif()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
