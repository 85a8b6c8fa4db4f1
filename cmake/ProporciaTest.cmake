include(GoogleTest)

# proporcia_add_test(<name> [QTEST] SOURCES <files...> LIBRARIES <targets...>
#                    [ENVIRONMENT <VAR=value...>])
# Builds one test executable and registers it with CTest: each GoogleTest case on its own, or a
# QtTest executable (QTEST) as one test. In a cross build the executable is one test, run under
# the emulator (see proporcia_run_under_emulator).
function(proporcia_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QTEST" "" "SOURCES;LIBRARIES;ENVIRONMENT")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES})
    proporcia_set_warnings(${name})
    if(arg_QTEST OR CMAKE_CROSSCOMPILING)
        set_target_properties(${name} PROPERTIES AUTOMOC ${arg_QTEST})
        add_test(NAME ${name} COMMAND ${name})
        if(arg_ENVIRONMENT)
            set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
        endif()
        if(CMAKE_CROSSCOMPILING)
            proporcia_run_under_emulator(${name})
        endif()
        return()
    endif()
    set(properties)
    if(arg_ENVIRONMENT)
        set(properties PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
    endif()
    gtest_discover_tests(${name} ${properties})
endfunction()

# proporcia_run_under_emulator(<test>...)
# For tests of a cross build that run the built programs under an emulator (Wine): each starts
# the emulator once for all its cases, they share the emulator's one set-up (the fixture
# "emulator") and take turns, and they are skipped, not passed, where it cannot start (exit
# code 77).
function(proporcia_run_under_emulator)
    set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED emulator RESOURCE_LOCK emulator
        SKIP_RETURN_CODE 77 TIMEOUT 600)
endfunction()
