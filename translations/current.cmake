# Extracts the marked texts into copies of the committed catalogue and
# translations and fails if a copy changes (a text marked, changed or
# dropped in the code and not extracted yet), or if a translation holds a
# text it doesn't translate (unfinished: new, or changed since it was
# translated) or no longer needs (vanished, obsolete).
#   cmake -D LUPDATE=<lupdate> -D OPTIONS=<options> -D SOURCES=<folders>
#         -D TS=<catalogue .ts>;<translation .ts>... -D COPIES=<scratch folder> -P current.cmake
file(MAKE_DIRECTORY "${COPIES}")
set(copies)
foreach(ts IN LISTS TS)
    get_filename_component(name "${ts}" NAME)
    file(COPY_FILE "${ts}" "${COPIES}/${name}")
    list(APPEND copies "${COPIES}/${name}")
endforeach()
execute_process(COMMAND "${LUPDATE}" ${OPTIONS} ${SOURCES} -ts ${copies}
                COMMAND_ERROR_IS_FATAL ANY)
set(faults)
list(GET TS 0 catalogue)
foreach(ts IN LISTS TS)
    get_filename_component(name "${ts}" NAME)
    file(READ "${ts}" committed)
    file(READ "${COPIES}/${name}" extracted)
    if(NOT committed STREQUAL extracted)
        list(APPEND faults "translations/${name} is not current")
    endif()
    if(NOT ts STREQUAL catalogue)
        string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" untranslated "${extracted}")
        list(LENGTH untranslated count)
        if(count GREATER 0)
            list(APPEND faults "translations/${name} has texts untranslated or unused (${count})")
        endif()
    endif()
endforeach()
if(faults)
    list(JOIN faults "; " faults)
    message(FATAL_ERROR "${faults}: build the target 'translations', translate what it marks "
                        "unfinished in the translations and commit the files")
endif()
