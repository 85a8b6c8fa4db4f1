# Run as cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DVARIABLE=<name> -P embed_text.cmake.
# Writes a C++ source that defines web_ui::embedded::<name>, declared in src/embedded_texts.h, as
# the text of INPUT byte for byte, in a raw string literal.
file(READ "${INPUT}" text)
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
