# The committed pictures and program icon: pixel rules of each picture, the
# .ico read byte by byte, and a check that the generators still draw exactly
# the committed files, those of both languages.

add_gui_test(tst_pictures SOURCES tst_pictures.cpp LIBS testsupport)
add_gui_test(tst_icon SOURCES tst_icon.cpp LIBS testsupport)

add_test(NAME pictures_regenerate_identical
         COMMAND genpictures --check "${CMAKE_SOURCE_DIR}/demo/pictures")
add_test(NAME icon_regenerate_identical
         COMMAND genicon --check "${CMAKE_SOURCE_DIR}/icon")
set_tests_properties(pictures_regenerate_identical icon_regenerate_identical PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)

# The window shows the pictures of its language: startup lies beside the
# English translation (as qttexts does) and runs in Russian whatever the
# environment's language, and once more, for the pictures, in English.
if(TARGET startup AND TARGET kalumet_qm)
    set_target_properties(startup PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY "${KALUMET_QM_DIR}")
    add_dependencies(startup kalumet_qm)
    set(no_language "LANGUAGE=unset:" "LC_ALL=unset:" "LC_MESSAGES=unset:" "LANG=unset:")
    set_property(TEST startup PROPERTY ENVIRONMENT_MODIFICATION ${no_language})
    add_test(NAME startup_english COMMAND startup picturesInLanguage)
    set_tests_properties(startup_english PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ACCESSIBILITY=0;KALUMET_EXPECTED_LANGUAGE=en"
        ENVIRONMENT_MODIFICATION "${no_language};LANGUAGE=set:en;LANG=set:en_US.UTF-8")
endif()
