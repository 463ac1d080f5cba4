# Extracts the marked texts into a copy of the committed catalogue and
# fails if the copy changes: a text marked or changed in the code and not
# extracted yet.
#   cmake -D LUPDATE=<lupdate> -D OPTIONS=<options> -D SOURCES=<folders>
#         -D TS=<committed .ts> -D COPY=<scratch .ts> -P current.cmake
get_filename_component(dir "${COPY}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(COPY_FILE "${TS}" "${COPY}")
execute_process(COMMAND "${LUPDATE}" ${OPTIONS} ${SOURCES} -ts "${COPY}"
                COMMAND_ERROR_IS_FATAL ANY)
file(READ "${TS}" committed)
file(READ "${COPY}" extracted)
if(NOT committed STREQUAL extracted)
    message(FATAL_ERROR "translations/kalumet.ts is not current: build the target "
                        "'translations' and commit the file")
endif()
