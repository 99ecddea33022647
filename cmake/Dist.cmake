# The target dist packs this build's release archive into <build>/dist: the Linux one in a build
# of the FLTK programs, the Windows one in a build of the .scr files.
if(TARGET glacimo1 AND TARGET glacimo2)
    add_custom_target(dist
        COMMAND ${PROJECT_SOURCE_DIR}/scripts/dist.sh --linux ${CMAKE_BINARY_DIR}
                --out ${CMAKE_BINARY_DIR}/dist
        USES_TERMINAL VERBATIM)
    add_dependencies(dist glacimo1 glacimo2)
elseif(TARGET Glacimo1 AND TARGET Glacimo2)
    add_custom_target(dist
        COMMAND ${PROJECT_SOURCE_DIR}/scripts/dist.sh --windows ${CMAKE_BINARY_DIR}
                --out ${CMAKE_BINARY_DIR}/dist
        USES_TERMINAL VERBATIM)
    add_dependencies(dist Glacimo1 Glacimo2)
endif()
