# lrelease on every translation: cmake -D LRELEASE=<lrelease> -D OUT=<folder> -P release.cmake
file(GLOB ts_files "${CMAKE_CURRENT_LIST_DIR}/kalumet_*.ts")
foreach(ts IN LISTS ts_files)
    get_filename_component(stem "${ts}" NAME_WE)
    execute_process(COMMAND "${LRELEASE}" -silent "${ts}" -qm "${OUT}/${stem}.qm"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
