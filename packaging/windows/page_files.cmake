# Run as cmake -DFOLDER=<page folder> -DSHEET_PAGE=<worksheet's file> -DLISTING=<file>
# -DNSIS=<file> -P page_files.cmake, at each build. Fails when FOLDER holds no built page with its
# worksheet. Writes LISTING, a line "<SHA-256> <path>" for each of the page's files, on which the
# setup program and the Windows Installer package depend; and NSIS, the setup program's two macros
# that install and remove them, file by file in a fixed order, so that the same folder makes the
# same setup program. Each is rewritten only when it changes, so that an unchanged page remakes
# nothing.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${FOLDER}" "${FOLDER}/*")
list(SORT files)
foreach(page index.html ${SHEET_PAGE})
    list(FIND files "${page}" found)
    if(NOT found EQUAL -1)
        continue()
    elseif(EXISTS "${FOLDER}/${page}")
        # A folder whose path holds a pattern's characters, such as [ ], globs to nothing.
        message(FATAL_ERROR "The page's files could not be listed from ${FOLDER}.")
    endif()
    message(FATAL_ERROR "The setup program and the Windows Installer package carry the page, "
        "but ${FOLDER} has no ${page}: build it first (scripts/build-web.sh for a release, "
        "scripts/build-web.sh --tests for the tests' build), or set PROPORCIA_PAGE_FOLDER to "
        "the folder it is built in.")
endforeach()
set(listing "")
set(install "!macro PROPORCIA_INSTALL_PAGE\n")
set(remove "!macro PROPORCIA_REMOVE_PAGE\n")
set(folders "")
set(current "none yet")
foreach(file IN LISTS files)
    file(SHA256 "${FOLDER}/${file}" hash)
    string(APPEND listing "${hash} ${file}\n")
    get_filename_component(folder "${file}" DIRECTORY)
    get_filename_component(base "${file}" NAME)
    # NSIS reads $ as the start of a variable, and Windows' paths take backslashes.
    string(REPLACE "$" "$$" source "${FOLDER}/${file}")
    string(REPLACE "$" "$$" base "${base}")
    string(REPLACE "$" "$$" target "page/${file}")
    string(REPLACE "/" "\\" target "${target}")
    if(NOT folder STREQUAL current)
        set(current "${folder}")
        string(REPLACE "$" "$$" out "page/${folder}")
        string(REGEX REPLACE "/$" "" out "${out}")
        string(REPLACE "/" "\\" out "${out}")
        string(APPEND install "    SetOutPath \"$INSTDIR\\${out}\"\n")
    endif()
    string(APPEND install "    File \"/oname=${base}\" \"${source}\"\n")
    string(APPEND remove "    Delete \"$INSTDIR\\${target}\"\n")
    # Every folder on the way to the file, to remove once empty.
    while(NOT folder STREQUAL "")
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
# The deepest folders first: a folder is removed only once empty.
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    string(REPLACE "$" "$$" folder "page/${folder}")
    string(REPLACE "/" "\\" folder "${folder}")
    string(APPEND remove "    RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
string(APPEND remove "    RMDir \"$INSTDIR\\page\"\n!macroend\n")
string(APPEND install "!macroend\n")

# Written aside and copied only when different, which keeps an unchanged file's time.
file(WRITE "${LISTING}.new" "${listing}")
file(COPY_FILE "${LISTING}.new" "${LISTING}" ONLY_IF_DIFFERENT)
file(REMOVE "${LISTING}.new")
file(WRITE "${NSIS}.new" "${install}${remove}")
file(COPY_FILE "${NSIS}.new" "${NSIS}" ONLY_IF_DIFFERENT)
file(REMOVE "${NSIS}.new")
