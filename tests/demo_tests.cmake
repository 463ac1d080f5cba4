# Tests of the demonstrator kalumet.

# The lesson below the window, with Qt Core alone: built against nothing of
# Qt Gui or Widgets, its suite is the proof that the lesson needs neither.
add_executable(lesson tst_lesson.cpp)
target_link_libraries(lesson PRIVATE Qt6::Test lessontestsupport kalumet_warnings)
add_test(NAME lesson COMMAND lesson)
add_gui_test(stepengine SOURCES tst_stepengine.cpp LIBS demotestsupport)
if(WIN32 OR EMSCRIPTEN)
    return()
endif()
# Each listing run by its language's own tool (python3, g++, Free Pascal).
add_executable(listings tst_listings.cpp)
target_link_libraries(listings PRIVATE Qt6::Test kalumet_lesson kalumet_warnings)
add_test(NAME listings COMMAND listings)
add_gui_test(window SOURCES tst_window.cpp LIBS demotestsupport brivon_sorter)
add_gui_test(windowinput SOURCES tst_windowinput.cpp LIBS demotestsupport)
add_gui_test(windowstate SOURCES tst_windowstate.cpp LIBS demotestsupport)
add_gui_test(tracetable SOURCES tst_tracetable.cpp LIBS demotestsupport)

add_test(NAME kalumet_xvfb_smoke
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/xvfb_smoke.sh $<TARGET_FILE:kalumet> kalumet 1)

# The pictures stay in place and sharp when the window is scaled up for a
# projector.
foreach(factor 1.5 2 3)
    add_test(NAME window_scale_${factor} COMMAND window picturesInWindow scaledText captionAsQtDrawsIt)
    set_tests_properties(window_scale_${factor} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${factor};QT_ACCESSIBILITY=0")
endforeach()

# Under the English translation every caption of both windows fits its
# control.
add_test(NAME window_english COMMAND window englishCaptionsFit listingsFit)
add_dependencies(window kalumet_qm)
set_tests_properties(window_english PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;QT_ACCESSIBILITY=0;KALUMET_ENGLISH=${KALUMET_QM_DIR}/kalumet_en.qm")

# What a screen reader hears, as a client on the bus (Debian's Python with
# libatspi's bindings) and through Orca: the reading order, each step of two
# runs driven by real keys with "Назад" and a refused edit on the way, an
# automatic run with the about box, a double click, "Сброс" and the
# pictured close box. -v added to the command prints every step's events
# and what Orca says.
add_test(NAME kalumet_screenreader_steps
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/with_xvfb.sh
                 sh ${CMAKE_CURRENT_SOURCE_DIR}/with_a11y_bus.sh
                 /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/screenreader_steps.py $<TARGET_FILE:kalumet>)
set_tests_properties(kalumet_screenreader_steps PROPERTIES LABELS xvfb TIMEOUT 600)

# The start sequence, and the pictures built in against the committed files.
add_gui_test(startup SOURCES tst_startup.cpp LIBS kalumet_demo brivon_sorter testsupport)

# Without the classic faces the fonts fall back to the application's.
add_test(NAME window_without_face COMMAND window fonts)
set_tests_properties(window_without_face PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ACCESSIBILITY=0;XDG_DATA_DIRS=/nonexistent")
