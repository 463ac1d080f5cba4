# The web build: both programs as WebAssembly in web pages, built with
# Debian's emscripten against the Qt that web/build-qt.sh builds
# (web/toolchain.cmake). Included from the top-level CMakeLists.txt before
# the programs' folders; web/CMakeLists.txt makes the pages afterwards.

# The release is one folder of static files.
set(CMAKE_INSTALL_BINDIR .)

# emcc's JavaScript optimizer, run when a program is linked, loads Debian's
# acorn from there, whichever node comes first on PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# What runs on the build machine is built for it, with its own compiler and
# Qt, by the desktop build of the same sources in the folder "desktop":
# rawimages, which turns the pictures into arrays at build time, and
# webcompare, the desktop window that the end-to-end test compares the page
# with.
include(ExternalProject)
set(desktop "${CMAKE_BINARY_DIR}/desktop")
ExternalProject_Add(hosttools
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${desktop}"
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DDPKG_BUILDFLAGS=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build "${desktop}" --target rawimages webcompare control-centres
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS "${desktop}/rawimages" "${desktop}/tools/webcompare")
set(RAWIMAGES_COMMAND "${desktop}/rawimages")
set(RAWIMAGES_DEPENDS hosttools "${RAWIMAGES_COMMAND}")
set(WEBCOMPARE "${desktop}/tools/webcompare")
# Where the end-to-end test clicks: the controls' centres, from the tables.
set(KALUMET_WEB_CONTROLS "${desktop}/programs/controls.env")

# The release's folder (web/CMakeLists.txt), which the tests serve.
set(KALUMET_WEB_FOLDER "${CMAKE_BINARY_DIR}/${PROJECT_NAME}-${PROJECT_VERSION}-web")

# The QtTest programs run in headless Chromium (web/run_suite.py).
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/run_suite.py")

# The classic faces, from the build machine's fonts-wine, Qt's Russian
# texts, from its qt6-translations-l10n (the same Qt version), and the
# programs' English go into each program as files of its memory file
# system, where the desktop program finds them: the faces under
# share/wine/fonts of the system's data folders, the texts beside the
# program.
set(KALUMET_WINE_FONTS "/usr/share/wine/fonts" CACHE PATH
    "The folder of fonts-wine's faces, built into the web pages")
set(KALUMET_QTBASE_RU "/usr/share/qt6/translations/qtbase_ru.qm"
    CACHE FILEPATH "Qt's Russian texts, built into the web pages")
set(web_files)
foreach(face ms_sans_serif.ttf tahoma.ttf tahomabd.ttf)
    if(NOT EXISTS "${KALUMET_WINE_FONTS}/${face}")
        message(FATAL_ERROR "${KALUMET_WINE_FONTS}/${face} is missing: install fonts-wine")
    endif()
    list(APPEND web_files "${KALUMET_WINE_FONTS}/${face}@/usr/share/wine/fonts/${face}")
endforeach()
if(NOT EXISTS "${KALUMET_QTBASE_RU}")
    message(FATAL_ERROR "${KALUMET_QTBASE_RU} is missing: install qt6-translations-l10n")
endif()
list(APPEND web_files "${KALUMET_QTBASE_RU}@/qtbase_ru.qm")
# The programs' own translations (English) beside them too, compiled by the
# build machine's lrelease (translations/qm.cmake).
include("${PROJECT_SOURCE_DIR}/translations/qm.cmake")
foreach(qm IN LISTS KALUMET_QM_FILES)
    get_filename_component(name "${qm}" NAME)
    list(APPEND web_files "${qm}@/${name}")
endforeach()

# What the programs need of the page: their window shown in it.
add_library(webpage STATIC "${CMAKE_CURRENT_LIST_DIR}/page.cpp" "${CMAKE_CURRENT_LIST_DIR}/page.h")
target_include_directories(webpage PUBLIC "${CMAKE_CURRENT_LIST_DIR}")
target_link_libraries(webpage PUBLIC Qt6::Widgets)
foreach(file IN LISTS web_files)
    target_link_options(webpage INTERFACE "SHELL:--embed-file ${file}")
endforeach()
# The translations are compiled before a program that embeds them is linked.
add_dependencies(webpage kalumet_qm)

# How the programs are linked: for size. A message box in a page is opened,
# not exec()'d (web::openInPage()); the test programs, whose QtTest
# waits in nested event loops, are linked with emscripten's asyncify, which
# Qt for WebAssembly runs them with (web/tests.cmake).
set(KALUMET_WEB_LINK_OPTIONS -Os)
