# AddressSanitizer (with its leak checker) and UndefinedBehaviorSanitizer for every target of the
# build, when PROPORCIA_SANITIZERS is on. Any undefined behaviour stops the program, so a test
# cannot pass over it.
option(PROPORCIA_SANITIZERS "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(PROPORCIA_SANITIZERS)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
