# proporcia_add_version_resource(<target> [MANIFEST <template>])
# Configures the Windows resource of a program, its file icon and its version information, in
# the target's build directory, and records its path in the target's PROPORCIA_VERSION_RESOURCE
# property. With MANIFEST, the application manifest configured from <template> goes into the
# resource too. A Windows build compiles it into the program; elsewhere it is only configured, so
# that the tests can compile it with a cross resource compiler.
set(PROPORCIA_VERSION_RESOURCE_TEMPLATE "${CMAKE_CURRENT_LIST_DIR}/windows/version.rc.in")

function(proporcia_add_version_resource target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "MANIFEST" "")
    # Windows shows "1.00" as the four numbers 1, 0, 0, 0.
    math(EXPR PROPORCIA_VERSION_MINOR_NUMBER "${PROJECT_VERSION_MINOR}")
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(NOT output_name)
        set(output_name ${target})
    endif()
    set(PROPORCIA_ORIGINAL_FILENAME "${output_name}.exe")
    set(PROPORCIA_MANIFEST_RESOURCE "")
    if(arg_MANIFEST)
        set(manifest "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
        configure_file("${arg_MANIFEST}" "${manifest}" @ONLY)
        # CREATEPROCESS_MANIFEST_RESOURCE_ID of type RT_MANIFEST.
        set(PROPORCIA_MANIFEST_RESOURCE "1 24 \"${manifest}\"")
    endif()
    set(resource "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
    configure_file("${PROPORCIA_VERSION_RESOURCE_TEMPLATE}" "${resource}" @ONLY)
    set_target_properties(${target} PROPERTIES PROPORCIA_VERSION_RESOURCE "${resource}")
    if(WIN32)
        target_sources(${target} PRIVATE "${resource}")
        # The resource compiler reports no dependencies: rebuild when the icon or manifest changes.
        set_source_files_properties("${resource}" PROPERTIES
            OBJECT_DEPENDS "${PROPORCIA_ICON_DIR}/proporcia.ico;${arg_MANIFEST}")
    endif()
endfunction()
