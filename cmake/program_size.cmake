# Smaller programs at no cost in speed, with GCC (mingw-w64): -Os rather than -O3 (the programs
# wait on Wine's window server and the driver, not on the processor: their starts measure the
# same), unused functions and data left out at link time. Exceptions stay: the forms runtime
# catches what a handler throws, so that no failure crosses a window procedure.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    foreach(flags CMAKE_C_FLAGS_RELEASE CMAKE_CXX_FLAGS_RELEASE)
        string(REPLACE "-O3" "-Os" ${flags} "${${flags}}")
    endforeach()
    add_compile_options(-ffunction-sections -fdata-sections)
    add_link_options($<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:LINKER:--gc-sections>)
endif()

# What a shipped program links besides its own code to stay small.
function(nx_small_program target)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/shared/program/quiet_terminate.cpp)
    endif()
endfunction()
