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
# (KALUMET_GPL_TEXT, packaging/package.cmake).
configure_file("${KALUMET_GPL_TEXT}" "${CMAKE_BINARY_DIR}/packaging/GPL-3.txt" COPYONLY)
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_BINARY_DIR}/packaging/GPL-3.txt")

# NSIS: a 64-bit program under Program Files for all users, in Russian only.
# CMake's installer script is taken as it is but for its languages: a 64-bit
# Unicode installer (as the programs are 64-bit) that speaks Russian
# whatever the system's language.
file(READ "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in" template)
string(REGEX REPLACE "  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n" "" template "${template}")
string(REPLACE ";Reserve Files" "  !insertmacro MUI_LANGUAGE \"Russian\"\n\n;Reserve Files"
       template "${template}")
string(REPLACE "Uninstall.lnk" "Удалить ${PROJECT_NAME}.lnk" template "${template}")
string(REPLACE "@CPACK_NSIS_PACKAGE_NAME@ is already installed. $\\n$\\nDo you want to uninstall the old version before installing the new one?"
       "@CPACK_NSIS_PACKAGE_NAME@ уже установлен. $\\n$\\nУдалить прежнюю версию перед установкой новой?"
       template "${template}")
string(REPLACE "\"Uninstall failed.\"" "\"Не удалось удалить прежнюю версию.\"" template "${template}")
string(REPLACE "; You must define these values" "Target amd64-unicode\n; You must define these values"
       template "${template}")
file(WRITE "${CMAKE_BINARY_DIR}/packaging/nsis/NSIS.template.in" "${template}")
list(PREPEND CPACK_MODULE_PATH "${CMAKE_BINARY_DIR}/packaging/nsis")

set(CPACK_NSIS_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${PROJECT_NAME}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/icon/program.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/icon/program.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "kalumet.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

# The Start menu: both programs, and each one enlarged for a projector.
set(CPACK_NSIS_CREATE_ICONS_EXTRA)
set(CPACK_NSIS_DELETE_ICONS_EXTRA)
foreach(program "kalumet|Демонстрация алгоритма сортировки трех чисел"
                "brivon|Сортировка трех чисел (по возрастанию)")
    string(REPLACE "|" ";" program "${program}")
    list(GET program 0 exe)
    list(GET program 1 name)
    foreach(entry "${name}|" "${name} — Для проектора|--scale fit")
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 link)
        list(GET entry 1 args)
        string(APPEND CPACK_NSIS_CREATE_ICONS_EXTRA
            "  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\${link}.lnk\" \"$INSTDIR\\${exe}.exe\" \"${args}\"\n")
        string(APPEND CPACK_NSIS_DELETE_ICONS_EXTRA
            "  Delete \"$SMPROGRAMS\\$MUI_TEMP\\${link}.lnk\"\n")
    endforeach()
endforeach()

include(CPack)
