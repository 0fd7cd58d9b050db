# A shipped program is stripped; its symbols stay beside it in NAME.exe.debug, which the
# program names in its .gnu_debuglink section, so a crash on a customer's machine can still
# be read with the matching symbol file.
function(nx_split_debug_info target)
    # binutils' objcopy and strip work on GCC's output; other toolchains keep their own symbols
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        return()
    endif()
    set(program $<TARGET_FILE:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${program} ${program}.debug
        COMMAND ${CMAKE_STRIP} --strip-all ${program}
        COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${program}.debug ${program}
        VERBATIM)
endfunction()
