# The programs' translations, compiled as part of the build by the build
# machine's lrelease (Debian: qt6-l10n-tools) whatever the build is for:
# every translations/kalumet_<language>.ts into
# <build>/share/kalumet/translations/kalumet_<language>.qm (target
# kalumet_qm). The programs look for them in share/kalumet/translations
# beside their own folder, or in their own folder (Windows, the web pages):
# so the build's programs, one folder down (<build>/demo/kalumet), find
# them where the installed ones do.
# Sets KALUMET_QM_FILES; the top folder's CMakeLists.txt sets KALUMET_QM_DIR. Included by translations/CMakeLists.txt and by the
# Windows and web builds (windows/windows.cmake, web/web.cmake).
include_guard(GLOBAL)

find_program(KALUMET_LRELEASE lrelease
             HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" "${QT_HOST_PATH}/lib/qt6/bin"
                   /usr/lib/qt6/bin
             NO_CMAKE_FIND_ROOT_PATH)
file(GLOB KALUMET_TS_FILES CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/kalumet_*.ts")
set(KALUMET_QM_FILES)
foreach(ts IN LISTS KALUMET_TS_FILES)
    if(NOT KALUMET_LRELEASE)
        message(FATAL_ERROR "lrelease not found (Debian: qt6-l10n-tools): "
                            "the translations can't be compiled")
    endif()
    get_filename_component(stem "${ts}" NAME_WE)
    set(qm "${KALUMET_QM_DIR}/${stem}.qm")
    add_custom_command(OUTPUT "${qm}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${KALUMET_QM_DIR}"
        COMMAND "${KALUMET_LRELEASE}" -silent "${ts}" -qm "${qm}"
        DEPENDS "${ts}"
        COMMENT "Compiling the translation ${stem}"
        VERBATIM)
    list(APPEND KALUMET_QM_FILES "${qm}")
endforeach()
add_custom_target(kalumet_qm ALL DEPENDS ${KALUMET_QM_FILES})
# The packages hold them (packaging/release.cmake makes "packaged" first).
add_dependencies(packaged kalumet_qm)
