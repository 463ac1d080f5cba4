# Tests of the demonstrator's run controls: the states of the run buttons,
# check box and timer, the transitions between them, and a random walk
# through them checked against a model.

add_gui_test(runcontrols SOURCES tst_runcontrols.cpp LIBS demotestsupport)
add_gui_test(randomrun SOURCES tst_randomrun.cpp LIBS demotestsupport)

# The long mode of the random walk: a hundred thousand sequences. Not in the
# default run (ctest -L long runs it).
add_test(NAME randomrun_long COMMAND randomrun)
set_tests_properties(randomrun_long PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ACCESSIBILITY=0;RANDOMRUN_SEQUENCES=100000;QTEST_FUNCTION_TIMEOUT=3600000"
    LABELS long TIMEOUT 3600)

# Without the classic face the message boxes take the window's fallback.
add_test(NAME runcontrols_without_face COMMAND runcontrols esc refusedInput)
set_tests_properties(runcontrols_without_face PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ACCESSIBILITY=0;XDG_DATA_DIRS=/nonexistent")
