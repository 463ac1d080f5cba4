# The Windows build's tests, all labelled "windows": the suites built for
# Windows, run under Wine on the offscreen platform (the build's Wine prefix
# and DLL folders are in CMAKE_CROSSCOMPILING_EMULATOR), and the checks of
# the installer, the portable folder and the release built elsewhere, which
# need the package target built first. Included from tests/CMakeLists.txt.

# The offscreen platform of Qt for Windows finds no system fonts by itself:
# it is given Wine's, which hold the classic faces.
get_property(suites DIRECTORY PROPERTY TESTS)
set_property(TEST ${suites} APPEND PROPERTY ENVIRONMENT "QT_QPA_FONTDIR=Z:/usr/share/wine/fonts")

foreach(mode installer portable reproducible)
    add_test(NAME windows_${mode}
             COMMAND sh ${PROJECT_SOURCE_DIR}/windows/release_test.sh ${mode}
                     ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(windows_${mode} PROPERTIES ENVIRONMENT
                         "KALUMET_FACTS=${KALUMET_FACTS_DIR};XWINDOW=${XWINDOW_HOST}")
endforeach()
# Each starts an Xvfb server and a Wine prefix of its own.
set_tests_properties(windows_installer windows_portable PROPERTIES TIMEOUT 900)
# Builds the release again in other folders.
set_tests_properties(windows_reproducible PROPERTIES TIMEOUT 1800)

get_property(tests DIRECTORY PROPERTY TESTS)
set_tests_properties(${tests} PROPERTIES LABELS windows)
