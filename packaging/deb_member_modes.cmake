# Run by cpack once it has made the Debian package (CPACK_POST_BUILD_SCRIPTS). CPack gives the
# three members of the .deb's outer ar archive (debian-binary, control.tar.*, data.tar.*) the
# modes of its temporary files, which follow the umask of whoever runs it: 644 for one, 664 for
# another. This writes 644 into each member's header, as dpkg-deb does, so that the package is
# the same whoever makes it.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    file(READ "${package}" magic LIMIT 8)
    if(NOT magic STREQUAL "!<arch>\n")
        message(FATAL_ERROR "${package} is not an ar archive")
    endif()
    file(SIZE "${package}" size)
    # Each member: a 60-byte header of text (name, date, owner, group, mode at 40, size at 48),
    # then its data, padded to an even length.
    set(offset 8)
    while(offset LESS size)
        file(READ "${package}" header OFFSET ${offset} LIMIT 60)
        string(SUBSTRING "${header}" 58 2 end_of_header)
        string(SUBSTRING "${header}" 40 8 mode)
        string(SUBSTRING "${header}" 48 10 length)
        string(STRIP "${length}" length)
        if(NOT end_of_header STREQUAL "`\n" OR NOT length MATCHES "^[0-9]+$"
                OR NOT mode MATCHES "^100[0-7][0-7][0-7] *$")
            message(FATAL_ERROR "${package}: no ar member header at byte ${offset}")
        endif()
        if(NOT mode STREQUAL "100644  ")
            math(EXPR mode_offset "${offset} + 40")
            execute_process(COMMAND printf "100644  "
                COMMAND dd "of=${package}" bs=1 seek=${mode_offset} conv=notrunc status=none
                RESULT_VARIABLE status)
            if(NOT status EQUAL 0)
                message(FATAL_ERROR "${package}: cannot write the mode at byte ${mode_offset}")
            endif()
        endif()
        math(EXPR offset "${offset} + 60 + ${length} + ${length} % 2")
    endwhile()
endforeach()
