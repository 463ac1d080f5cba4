# Tests of the sorter program brivon.

add_gui_test(sorter SOURCES tst_sorter.cpp LIBS brivon_sorter)

add_test(NAME brivon_xvfb_smoke
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/xvfb_smoke.sh $<TARGET_FILE:brivon>
                 "Сортировка трех чисел (по возрастанию)" 280 136)
