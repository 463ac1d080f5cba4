# Tests of the sorter program brivon.

add_gui_test(sorter SOURCES tst_sorter.cpp LIBS brivon_sorter testsupport)
if(WIN32 OR EMSCRIPTEN)
    return()
endif()

add_test(NAME brivon_xvfb_smoke
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/xvfb_smoke.sh $<TARGET_FILE:brivon> brivon 1)

# Scaled up for a projector the window keeps a face that scales.
add_test(NAME sorter_scale_2 COMMAND sorter font)
set_tests_properties(sorter_scale_2 PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2;QT_ACCESSIBILITY=0")

# Without the classic face the window and its messages take the fallback.
add_test(NAME sorter_without_face COMMAND sorter refused font)
set_tests_properties(sorter_without_face PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ACCESSIBILITY=0;XDG_DATA_DIRS=/nonexistent")
