# Tests of the command line, the projector scale and the programs' language,
# for both programs.

# The language chosen, with Qt's texts: the test program lies beside the
# English translation, as a Windows program does, and starts in a Russian
# locale for its numbers.
add_gui_test(qttexts SOURCES tst_qttexts.cpp LIBS kalumet_demo brivon_sorter testsupport)
set_target_properties(qttexts PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${KALUMET_QM_DIR}")
add_dependencies(qttexts kalumet_qm)
set_property(TEST qttexts APPEND PROPERTY ENVIRONMENT "LANG=ru_RU.UTF-8")
set_property(TEST qttexts PROPERTY ENVIRONMENT_MODIFICATION "LC_ALL=unset:" "LC_NUMERIC=unset:")

if(NOT XWINDOW)
    return()
endif()

# The option table, on the real programs and a private Xvfb server.
add_executable(commandline tst_commandline.cpp)
target_link_libraries(commandline PRIVATE Qt6::Test kalumet_warnings)
target_compile_definitions(commandline PRIVATE
    KALUMET_BIN="$<TARGET_FILE:kalumet>" BRIVON_BIN="$<TARGET_FILE:brivon>"
    XWINDOW_BIN="${XWINDOW}")
add_dependencies(commandline kalumet brivon xwindow)
add_test(NAME commandline
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/with_xvfb.sh $<TARGET_FILE:commandline>)
set_tests_properties(commandline PROPERTIES LABELS xvfb TIMEOUT 600
                     ENVIRONMENT "XVFB_SCREEN=1280x1024x24")

# The client area a scale gives, on an Xvfb screen of the given size: the
# declared client area times the factor. --scale fit leaves 16 x 48 pixels
# for a window manager's frame and rounds down to hundredths; a factor given
# that is larger gives the same (tests/tst_commandline.cpp and the reach
# tests below), one that fits is taken as it is.
function(add_scale_test name program screen factor)
    add_test(NAME ${name}
             COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/xvfb_smoke.sh $<TARGET_FILE:${program}>
                     ${program} ${factor} ${ARGN})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "XVFB_SCREEN=${screen}"
                         LABELS xvfb TIMEOUT 300)
endfunction()

# 2 fits: (1200 - 48) / 531 = 2.16...
add_scale_test(kalumet_scale_2 kalumet 1920x1200x24 2 --scale 2)
# 800 x 600 is too small even at 1: the window stays at 1.
add_scale_test(kalumet_scale_fit_800x600 kalumet 800x600x24 1 --scale fit)
# (1600 - 48) / 531 = 2.92...
add_scale_test(kalumet_scale_fit_2560x1600 kalumet 2560x1600x24 2.92 --scale fit)
# Room for 9 times brivon's window; no more than 4.
add_scale_test(brivon_scale_fit_2560x1600 brivon 2560x1600x24 4 --scale fit)
# The option wins over Qt's variable, which works without it.
add_scale_test(kalumet_scale_over_variable kalumet 1920x1200x24 2 --scale 2)
set_property(TEST kalumet_scale_over_variable APPEND PROPERTY ENVIRONMENT QT_SCALE_FACTOR=3)
add_scale_test(brivon_scale_variable brivon 1280x1024x24 1.5)
set_property(TEST brivon_scale_variable APPEND PROPERTY ENVIRONMENT QT_SCALE_FACTOR=1.5)

# The window within reach under a window manager (openbox): larger than the
# screen (its title bar on the screen, to drag it by), scaled as asked as far
# as it fits (the controls named on the screen, the whole frame in the work
# area), and when the screen shrinks in the middle of a run (the controls
# named must then stay on the screen).
function(add_reach_test name screen later controls)
    add_test(NAME ${name}
             COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/reachable_window.sh $<TARGET_FILE:kalumet>
                     ${screen} "${later}" "${controls}" ${ARGN})
    set_tests_properties(${name} PROPERTIES LABELS xvfb TIMEOUT 300)
endfunction()

# Even at 1 the window doesn't fit 640 x 480: --scale 3 gives 1.
add_reach_test(kalumet_reach_scale_3 640x480 "" "" --scale 3)
# 2 doesn't fit: (1024 - 16) / 788 = 1.27...; nor on a projector's 1920 x 1080:
# (1080 - 48) / 531 = 1.94...
set(reach_controls
    "frame Text1 Text2 Text3 Command1 Lbl_Mem Lbl_MemX Check1 Cmd_Next Cmd_Goto Cmd_Stop Cmd_Reset Command3")
add_reach_test(kalumet_reach_scale_2_1024x768 1024x768 "" "${reach_controls}" --scale 2)
add_reach_test(kalumet_reach_scale_2_1920x1080 1920x1080 "" "${reach_controls}" --scale 2)
add_reach_test(kalumet_reach_screen_shrinks 1024x768 800x600 "Text1 Text2 Text3 Cmd_Reset Command3")
# Scaled to fit, the window is scaled anew as the screen shrinks.
add_reach_test(kalumet_reach_fit_refits 1280x1024 1024x768 "Text1 Text2 Text3 Cmd_Reset Command3"
               --scale fit)

# Where the trace table opens under a window manager: below the window on
# 1280 x 1024, where the sides have no room; over the memory panel where no
# side has, on 1024 x 768 and on 1920 x 1080 with the window fitted to it.
function(add_table_place_test name screen side)
    add_test(NAME ${name}
             COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/trace_table_place.sh $<TARGET_FILE:kalumet>
                     ${screen} ${side} ${ARGN})
    set_tests_properties(${name} PROPERTIES LABELS xvfb TIMEOUT 300)
endfunction()
add_table_place_test(kalumet_trace_table_1280x1024 1280x1024 below)
add_table_place_test(kalumet_trace_table_1024x768 1024x768 over)
add_table_place_test(kalumet_trace_table_1920x1080_fit 1920x1080 over --scale fit)
