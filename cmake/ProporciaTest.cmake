include(GoogleTest)

if(EMSCRIPTEN)
    # WebAssembly tests run in Node; without its experimental fetch, Emscripten's loader reads
    # the .wasm from disk rather than asking for it by URL.
    find_program(PROPORCIA_NODE node REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(PROPORCIA_NODE_TEST_OPTIONS -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1
        -sNODEJS_CATCH_EXIT=0 -sNODEJS_CATCH_REJECTION=0)
endif()

# proporcia_add_test(<name> [QTEST] SOURCES <files...> LIBRARIES <targets...>
#                    [ENVIRONMENT <VAR=value...>])
# Builds one test executable and registers it with CTest: each GoogleTest case on its own, or a
# QtTest executable (QTEST) as one test. Built with Emscripten, the executable runs in Node as one
# test; cross-built for Windows, under Wine as one test (see proporcia_run_under_emulator).
function(proporcia_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QTEST" "" "SOURCES;LIBRARIES;ENVIRONMENT")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES})
    proporcia_set_warnings(${name})
    if(arg_QTEST)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        add_test(NAME ${name} COMMAND ${name})
        if(arg_ENVIRONMENT)
            set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
        endif()
        return()
    endif()
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        # One test per executable: Wine starts once for all its cases.
        add_test(NAME ${name} COMMAND ${name})
        if(arg_ENVIRONMENT)
            set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
        endif()
        proporcia_run_under_emulator(${name})
        return()
    endif()
    if(EMSCRIPTEN)
        # One test per executable: starting Node for each case would cost more than the cases.
        target_link_options(${name} PRIVATE ${PROPORCIA_NODE_TEST_OPTIONS})
        add_test(NAME ${name}
            COMMAND ${PROPORCIA_NODE} --no-experimental-fetch $<TARGET_FILE:${name}>)
        if(arg_ENVIRONMENT)
            set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
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
