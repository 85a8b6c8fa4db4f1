# Compiler warnings for the project's own targets; fatal when PROPORCIA_WARNINGS_AS_ERRORS is on.
function(proporcia_set_warnings target)
    if(MSVC)
        # The sources are UTF-8, with Cyrillic texts in them.
        target_compile_options(${target} PRIVATE /W4 /utf-8
            $<$<BOOL:${PROPORCIA_WARNINGS_AS_ERRORS}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
            $<$<BOOL:${PROPORCIA_WARNINGS_AS_ERRORS}>:-Werror>)
    endif()
endfunction()
