# Run as cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DVARIABLE=<name> -P embed_text.cmake.
# Writes a C++ source that defines web_ui::embedded::<name>, declared in src/embedded_texts.h, as
# the text of INPUT without its comments, in a raw string literal.
file(READ "${INPUT}" text)

# The comments are for whoever edits the file; the program carries the rest, byte for byte.
function(drop_comments open close)
    string(FIND "${text}" "${open}" start)
    while(NOT start EQUAL -1)
        string(SUBSTRING "${text}" ${start} -1 rest)
        string(FIND "${rest}" "${close}" length)
        if(length EQUAL -1)
            message(FATAL_ERROR "${INPUT}: a comment is never closed")
        endif()
        string(LENGTH "${close}" closeLength)
        math(EXPR end "${start} + ${length} + ${closeLength}")
        string(SUBSTRING "${text}" 0 ${start} before)
        string(SUBSTRING "${text}" ${end} -1 after)
        string(REGEX REPLACE "^\n" "" after "${after}")
        set(text "${before}${after}")
        string(FIND "${text}" "${open}" start)
    endwhile()
    set(text "${text}" PARENT_SCOPE)
endfunction()
if(INPUT MATCHES "[.]css$")
    drop_comments("/*" "*/")
elseif(INPUT MATCHES "[.]html$")
    drop_comments("<!--" "-->")
endif()
set(delimiter "embedded")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${INPUT} holds )${delimiter}\", which would end the raw string early")
endif()

cmake_path(GET INPUT FILENAME name)
file(WRITE "${OUTPUT}"
    "// Made by the build from ${name}: edit that file, not this one.\n"
    "#include \"embedded_texts.h\"\n\n"
    "const std::string_view web_ui::embedded::${VARIABLE} = R\"${delimiter}(${text})${delimiter}\";\n")
