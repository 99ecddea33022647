# Warnings for every target of the project.
add_library(glacimo_warnings INTERFACE)
target_compile_options(glacimo_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wno-sign-conversion -Wno-missing-field-initializers $<$<BOOL:${GLACIMO_WERROR}>:-Werror>)
target_include_directories(glacimo_warnings INTERFACE ${PROJECT_SOURCE_DIR})
