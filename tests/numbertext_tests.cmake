# Tests of the number text both programs share.

add_gui_test(numbertext_test SOURCES tst_numbertext.cpp LIBS numberbox)
