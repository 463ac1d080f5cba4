# The web build's tests, all labelled "web": the suites of the number text,
# the step engine and the sorter built for WebAssembly and run in headless
# Chromium (web/run_suite.py, the build's CMAKE_CROSSCOMPILING_EMULATOR),
# and the end-to-end test of the release's pages. Included from
# tests/CMakeLists.txt.

# Built with asyncify, which QtTest's waits need, and finalized as Qt
# finalizes the programs (a plain executable that makes a QApplication
# shows nothing in a page).
get_property(suites DIRECTORY PROPERTY TESTS)
foreach(suite IN LISTS suites)
    target_link_options(${suite} PRIVATE -O1 "SHELL:-s ASYNCIFY")
    qt_finalize_target(${suite})
endforeach()

# Both pages served from a loopback server, driven with the mouse and keys,
# and compared with the desktop programs after the same actions; in
# English too, for which webcompare finds the programs' translations
# beside it, as a program on Windows does (launch/translations.cpp).
get_filename_component(webcompare_folder "${WEBCOMPARE}" DIRECTORY)
add_custom_target(webcompare-translations ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory "${webcompare_folder}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KALUMET_QM_FILES} "${webcompare_folder}"
    COMMENT "The translations beside webcompare"
    VERBATIM)
add_dependencies(webcompare-translations kalumet_qm hosttools)
# A site given a new version is tested with the release built once more,
# one patch level higher (web/next_release.sh), beside this build.
string(REGEX REPLACE "([0-9]+)$" "" next_version "${PROJECT_VERSION}")
math(EXPR next_patch "${PROJECT_VERSION_PATCH} + 1")
set(next_release "${CMAKE_BINARY_DIR}/next-release")
add_test(NAME web_end_to_end
         COMMAND /usr/bin/python3 "${PROJECT_SOURCE_DIR}/web/e2e_test.py"
                 "${KALUMET_WEB_FOLDER}" "${WEBCOMPARE}" "${KALUMET_WEB_CONTROLS}"
                 "${next_release}/build/${PROJECT_NAME}-${next_version}${next_patch}-web")

# One Chromium at a time: each is heavy for a two-core machine.
get_property(tests DIRECTORY PROPERTY TESTS)
set_tests_properties(${tests} PROPERTIES LABELS web RESOURCE_LOCK chromium TIMEOUT 600)

# Built before the end-to-end test, the first time from scratch.
add_test(NAME web_next_release
         COMMAND sh "${PROJECT_SOURCE_DIR}/web/next_release.sh" "${PROJECT_SOURCE_DIR}"
                 "${CMAKE_BINARY_DIR}" "${next_release}")
set_tests_properties(web_next_release PROPERTIES LABELS web FIXTURES_SETUP next_release
                                                 TIMEOUT 5400)
set_tests_properties(web_end_to_end PROPERTIES FIXTURES_REQUIRED next_release)
