# Compiler warnings for the project's own targets; fatal when PROPORCIA_WARNINGS_AS_ERRORS is on.
function(proporcia_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
        $<$<BOOL:${PROPORCIA_WARNINGS_AS_ERRORS}>:-Werror>)
endfunction()
