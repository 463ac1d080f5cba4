# Tests of the demonstrator's run controls: the states of the run buttons,
# check box and timer, the transitions between them, and a random walk
# through them checked against a model.

add_gui_test(runcontrols SOURCES tst_runcontrols.cpp demomodel.h LIBS kalumet_demo)
add_gui_test(randomrun SOURCES tst_randomrun.cpp demomodel.h LIBS kalumet_demo)
