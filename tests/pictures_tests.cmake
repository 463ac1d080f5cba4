# The committed pictures and program icon: pixel rules of each picture, the
# .ico read byte by byte, and a check that the generators still draw exactly
# the committed files.

add_gui_test(tst_pictures SOURCES tst_pictures.cpp LIBS testsupport)
add_gui_test(tst_icon SOURCES tst_icon.cpp LIBS testsupport)

add_test(NAME pictures_regenerate_identical
         COMMAND genpictures --check "${CMAKE_SOURCE_DIR}/demo/pictures")
add_test(NAME icon_regenerate_identical
         COMMAND genicon --check "${CMAKE_SOURCE_DIR}/icon")
set_tests_properties(pictures_regenerate_identical icon_regenerate_identical PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
