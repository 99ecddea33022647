# glacimo_link_program(TARGET BUILD BACKEND): links the whole program of build 1 or 2 on one
# platform backend into TARGET. The build's own parts (constants, motion rule, art) are object
# files, so each deliverable holds nothing of the other build.
function(glacimo_link_program target build backend)
    target_link_libraries(${target} PRIVATE glacimo_build${build} glacimo_art${build}
        glacimo_host glacimo_saver glacimo_options glacimo_settings
        glacimo_platform_${backend} glacimo_warnings)
endfunction()
