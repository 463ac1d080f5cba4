# The Windows build, cross compiled with windows/mingw64.cmake against the Qt
# that windows/build-qt.sh builds (see docs/windows.md). Included from the
# top-level CMakeLists.txt after GNUInstallDirs, before the programs' folders.
#
# The linker's defaults give the programs address space randomisation and
# no-execute data; the Linux hardening flags don't apply.
#
# The same sources make the same programs and libraries, byte for byte, in
# any folder (the folders are mapped out by packaging/buildflags.cmake). The
# linker writes no time into the programs' headers, and strip, which writes
# one into every file it strips (the programs and libraries of the release),
# writes SOURCE_DATE_EPOCH, or else the release's time (packaging/changelog).
add_link_options(LINKER:--no-insert-timestamp)
install(CODE "
    if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
        set(ENV{SOURCE_DATE_EPOCH} ${KALUMET_RELEASE_EPOCH})
    endif()")

# Everything lands in one folder, as a Windows program is laid out: the
# programs, the DLLs beside them, the plugins in folders of their kind.
set(CMAKE_INSTALL_BINDIR .)

# Programs run at build time (tools/rawimages) are built for the build
# machine, with its own compiler and Qt, in a project of their own; so is the
# X client the Wine tests close windows with.
include(ExternalProject)
ExternalProject_Add(hosttools
    SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/hosttools"
    BINARY_DIR "${CMAKE_BINARY_DIR}/hosttools"
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS "${CMAKE_BINARY_DIR}/hosttools/rawimages"
                     "${CMAKE_BINARY_DIR}/hosttools/xwindow")
set(RAWIMAGES_COMMAND "${CMAKE_BINARY_DIR}/hosttools/rawimages")
set(RAWIMAGES_DEPENDS hosttools "${RAWIMAGES_COMMAND}")
set(XWINDOW_HOST "${CMAKE_BINARY_DIR}/hosttools/xwindow")

# The version resource of each program, its description the program's
# title, and its application manifest, beside its icon resource. The
# manifest names the program by its application id. (kalumet_program()
# adds them, from the program's declaration.)
function(add_version_resource target description app_id)
    set(name "${target}")
    configure_file("${PROJECT_SOURCE_DIR}/windows/manifest.xml.in" "${target}.manifest" @ONLY)
    configure_file("${PROJECT_SOURCE_DIR}/windows/version.rc.in" "${target}_version.rc" @ONLY)
    target_sources(${target} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
    # windres reads the manifest by its name, beside the .rc file.
    set_property(SOURCE "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc" APPEND PROPERTY
                 OBJECT_DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
endfunction()

# What the programs load, listed one by one: Qt's three libraries, the
# platform and style plugins, the MinGW runtime. qt.conf points Qt at the
# folder for its plugins and translations, so Qt's Russian texts come from
# beside the programs.
set(KALUMET_MINGW_DLLS)
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(path "${path}" REALPATH)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "The MinGW runtime ${dll} is missing")
    endif()
    list(APPEND KALUMET_MINGW_DLLS "${path}")
endforeach()
install(FILES ${KALUMET_MINGW_DLLS}
              $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
              "${CMAKE_CURRENT_LIST_DIR}/qt.conf"
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# Qt's own texts in Russian, from the build machine's Qt translations
# (qt6-translations-l10n), the same Qt version.
set(KALUMET_QTBASE_RU "/usr/share/qt6/translations/qtbase_ru.qm"
    CACHE FILEPATH "Qt's Russian texts, shipped beside the programs")
if(NOT EXISTS "${KALUMET_QTBASE_RU}")
    message(FATAL_ERROR "${KALUMET_QTBASE_RU} is missing: install qt6-translations-l10n")
endif()
install(FILES "${KALUMET_QTBASE_RU}" DESTINATION .)
# The programs' own translations (English) beside them too, compiled by the
# build machine's lrelease.
include("${PROJECT_SOURCE_DIR}/translations/qm.cmake")
install(FILES ${KALUMET_QM_FILES} DESTINATION .)
# The libraries come with their symbols (the MinGW runtime as Debian ships
# it, Qt as built); the release carries them stripped, as it does the
# programs, which halves the download.
set(shipped_dlls)
foreach(dll IN LISTS KALUMET_MINGW_DLLS)
    get_filename_component(name "${dll}" NAME)
    list(APPEND shipped_dlls "${name}")
endforeach()
list(APPEND shipped_dlls $<TARGET_FILE_NAME:Qt6::Core> $<TARGET_FILE_NAME:Qt6::Gui>
                         $<TARGET_FILE_NAME:Qt6::Widgets>
                         "platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>"
                         "styles/$<TARGET_FILE_NAME:Qt6::QWindowsVistaStylePlugin>")
install(CODE "
    foreach(dll ${shipped_dlls})
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")

# The tests run the Windows programs under Wine, in a Wine prefix of the
# build folder, finding the DLLs where the build has them.
get_filename_component(qt_bin "${Qt6_DIR}/../../../bin" ABSOLUTE)
set(wine_dll_dirs "${qt_bin}")
foreach(dll IN LISTS KALUMET_MINGW_DLLS)
    get_filename_component(dir "${dll}" DIRECTORY)
    list(APPEND wine_dll_dirs "${dir}")
endforeach()
list(REMOVE_DUPLICATES wine_dll_dirs)
set(KALUMET_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
set(CMAKE_CROSSCOMPILING_EMULATOR bash "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh"
    "${KALUMET_WINEPREFIX}" ${wine_dll_dirs} --)
