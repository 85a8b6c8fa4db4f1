# Run as cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DVARIABLE=<name> -P embed_text.cmake.
# Writes a C++ source that defines web_ui::embedded::<name>, declared in src/embedded_texts.h, as
# the text of INPUT without its comments, in a raw string literal.
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/ProporciaComments.cmake")
proporcia_without_comments(text "${INPUT}")
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
