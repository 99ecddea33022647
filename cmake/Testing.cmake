# GoogleTest: Debian's packaged library natively; its sources when cross-compiling, so that the
# same test sources run under Wine.
if(CMAKE_CROSSCOMPILING)
    if(NOT TARGET gtest)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    endif()
    set(GLACIMO_GTEST_MAIN gtest_main)
else()
    find_package(GTest REQUIRED)
    set(GLACIMO_GTEST_MAIN GTest::gtest_main)
endif()

# glacimo_add_test(NAME SOURCES... LIBS ...): a test executable registered with CTest. Under a
# cross build it runs through CMAKE_CROSSCOMPILING_EMULATOR (Wine).
function(glacimo_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${GLACIMO_GTEST_MAIN} glacimo_warnings)
    if(CMAKE_CROSSCOMPILING)
        target_link_options(${name} PRIVATE -static)
    endif()
    add_test(NAME ${name} COMMAND ${name})
endfunction()
