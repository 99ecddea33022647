# The Win32 backend: the common platform sources and every source of this folder, over the
# system DLLs only.
file(GLOB GLACIMO_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_library(glacimo_platform_win32 STATIC ${GLACIMO_PLATFORM_COMMON} ${GLACIMO_WIN32_SOURCES})
target_link_libraries(glacimo_platform_win32 PRIVATE glacimo_warnings
    PUBLIC kernel32 user32 gdi32 imm32)
target_include_directories(glacimo_platform_win32 PUBLIC ${PROJECT_SOURCE_DIR})
