# The FLTK 1.3 backend over X11. FLTK is linked statically, so that the programs need only the X
# client libraries on the machine they run on.
find_library(GLACIMO_FLTK_STATIC NAMES libfltk.a REQUIRED)
find_path(GLACIMO_FLTK_INCLUDE FL/Fl.H REQUIRED)

add_library(glacimo_platform_fltk STATIC ${GLACIMO_PLATFORM_COMMON} ${GLACIMO_PLATFORM_POSIX}
    ${CMAKE_CURRENT_SOURCE_DIR}/posix/InstanceGuard.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/fltk/FltkApplication.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/fltk/FltkForm.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/fltk/FltkFormWindow.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/fltk/FltkSystem.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/fltk/FltkTimer.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/fltk/VirtualKey.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/fltk/FltkControls.cpp)
target_include_directories(glacimo_platform_fltk PUBLIC ${PROJECT_SOURCE_DIR})
target_include_directories(glacimo_platform_fltk SYSTEM PRIVATE ${GLACIMO_FLTK_INCLUDE})
target_link_libraries(glacimo_platform_fltk PRIVATE glacimo_warnings)
# The X libraries that `fltk-config --ldstaticflags` names, in its order.
target_link_libraries(glacimo_platform_fltk PUBLIC ${GLACIMO_FLTK_STATIC}
    Xrender Xcursor Xfixes Xext Xft fontconfig Xinerama pthread m X11)
