# The Windows deliverables: Glacimo1.scr and Glacimo2.scr, 32-bit GUI programs that import system
# DLLs only. The manifest declares per-monitor DPI awareness, so the saver covers the display in
# real pixels; it requests no execution level, so the settings file of a user without
# administrator rights is redirected by the system instead of failing.
enable_language(RC)
set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/Manifest.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Glacimo.manifest
    INCLUDE_DIRECTORIES ${CMAKE_CURRENT_SOURCE_DIR})
foreach(build 1 2)
    add_executable(Glacimo${build} WIN32 main.cpp Manifest.rc)
    set_target_properties(Glacimo${build} PROPERTIES OUTPUT_NAME Glacimo${build} SUFFIX ".scr")
    glacimo_link_program(Glacimo${build} ${build} win32)
    target_link_options(Glacimo${build} PRIVATE -static)
    install(TARGETS Glacimo${build} RUNTIME DESTINATION bin)
endforeach()
