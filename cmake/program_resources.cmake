# Gives a Windows program its icon, version resource and manifest (visual styles, DPI
# awareness and the execution level it needs).
function(nx_program_resources target description level)
    set(NX_PROGRAM_NAME ${target})
    set(NX_PROGRAM_DESCRIPTION "${description}")
    set(NX_EXECUTION_LEVEL ${level})
    set(NX_ICON_FILE ${PROJECT_SOURCE_DIR}/shared/resources/nxcom.ico)
    set(NX_MANIFEST_FILE ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/shared/resources/program.manifest.in ${NX_MANIFEST_FILE} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/shared/resources/program.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
