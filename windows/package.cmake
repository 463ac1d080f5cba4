# The Windows release, of the same files: an installer made by NSIS,
# kalumet-<version>-win64-setup.exe, and a portable folder zipped,
# kalumet-<version>-win64.zip:
#   cmake --build <build folder> --target package
# Included from packaging/package.cmake in a Windows build.

set(CPACK_GENERATOR NSIS ZIP)
# The Start menu entries below hold quotes and spaces, written as they are.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VENDOR "${KALUMET_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Classroom demonstration of sorting three numbers")
set(CPACK_PACKAGE_FILE_NAME "${PROJECT_NAME}-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${PROJECT_NAME}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${PROJECT_NAME}")
set(CPACK_STRIP_FILES ON)
# Read by cpack for each generator: the installer's file name.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/cpack_generator.cmake")

# The licence page shows the GPL, the build machine's text
# (KALUMET_GPL_TEXT, packaging/package.cmake), and the program folder holds
# it, with the project's notice: LICENSE.txt and NOTICE.txt.
configure_file("${KALUMET_GPL_TEXT}" "${CMAKE_BINARY_DIR}/packaging/GPL-3.txt" COPYONLY)
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_BINARY_DIR}/packaging/GPL-3.txt")
install(FILES "${CMAKE_BINARY_DIR}/packaging/GPL-3.txt" DESTINATION . RENAME LICENSE.txt)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/NOTICE" DESTINATION . RENAME NOTICE.txt)

# NSIS: a 64-bit program under Program Files for all users, in the user's
# display language where that is English and in Russian otherwise, from the
# project's own installer script (windows/nsis), which cpack fills in.
list(PREPEND CPACK_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}/nsis")

set(CPACK_NSIS_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${PROJECT_NAME}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/icon/program.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/icon/program.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "kalumet.exe")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

# The Start menu: both programs, and each one enlarged for a projector.
set(CPACK_NSIS_CREATE_ICONS_EXTRA)
set(CPACK_NSIS_DELETE_ICONS_EXTRA)
foreach(exe kalumet brivon)
    kalumet_program_fact(name ${exe} TITLE)
    foreach(entry "${name}|" "${name} — Для проектора|--scale fit")
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 link)
        list(GET entry 1 args)
        string(APPEND CPACK_NSIS_CREATE_ICONS_EXTRA
            "    CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\${link}.lnk\" \"$INSTDIR\\${exe}.exe\" \"${args}\"\n")
        string(APPEND CPACK_NSIS_DELETE_ICONS_EXTRA
            "    Delete \"$SMPROGRAMS\\$MUI_TEMP\\${link}.lnk\"\n")
    endforeach()
endforeach()

include(CPack)
