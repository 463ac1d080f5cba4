# Long use in one process: ten thousand demonstrations in one window.

add_gui_test(soak SOURCES tst_soak.cpp LIBS demotestsupport)
# Slow machines and sanitizer builds need more than QtTest's five minutes.
set_property(TEST soak APPEND PROPERTY ENVIRONMENT "QTEST_FUNCTION_TIMEOUT=1800000")
set_tests_properties(soak PROPERTIES LABELS soak TIMEOUT 1800)

# What a classroom does: long and pasted text, fast presses, the about box
# left open while the timer runs.
add_gui_test(classroom SOURCES tst_classroom.cpp LIBS demotestsupport)

# Ending the program mid-run, as a real X client: "Выход", the window's own
# close box (a WM_DELETE_WINDOW request), and the window destroyed by
# another client; brivon's window destroyed too.
if(TARGET xwindow)
    foreach(how button closebox destroyed)
        add_test(NAME kalumet_exit_midrun_${how}
                 COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/exit_midrun.sh $<TARGET_FILE:kalumet> ${how})
    endforeach()
    add_test(NAME brivon_exit_destroyed
             COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/exit_midrun.sh $<TARGET_FILE:brivon> destroyed)
    set_tests_properties(kalumet_exit_midrun_destroyed brivon_exit_destroyed
                         PROPERTIES LABELS xvfb TIMEOUT 300)
endif()

# A whole lesson as one script; tests/memcheck.sh also runs it under
# valgrind's memcheck, with the sorter's presses.
add_gui_test(demonstration SOURCES tst_demonstration.cpp LIBS demotestsupport)

find_program(VALGRIND valgrind)
if(VALGRIND AND NOT SANITIZE)
    add_test(NAME memcheck
             COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/memcheck.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(memcheck PROPERTIES LABELS memcheck TIMEOUT 900)
endif()
