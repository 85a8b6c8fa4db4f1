# Run as cmake -DRUN=<command> -DTEMPLATE=<file.in> -DOUTPUT=<file> [-D<name>=<value>...]
#     -P fill_page.cmake.
# Writes OUTPUT from TEMPLATE with each @name@ replaced by its value: those the program that RUN
# names prints (page_values.cpp, as CMake's set() with bracket arguments), and those given here.
# A name that neither gives stops the build, rather than leaving the page a blank where it was.
execute_process(COMMAND ${RUN} OUTPUT_VARIABLE values RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The page's values could not be read (${status})")
endif()
cmake_language(EVAL CODE "${values}")
file(READ "${TEMPLATE}" text)
string(REGEX MATCHALL "@[A-Za-z0-9_]+@" placeholders "${text}")
foreach(placeholder IN LISTS placeholders)
    string(REGEX REPLACE "^@(.*)@$" "\\1" name "${placeholder}")
    if(NOT DEFINED "${name}")
        message(FATAL_ERROR "${TEMPLATE}: nothing gives @${name}@")
    endif()
endforeach()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
