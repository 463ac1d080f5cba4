# Writes the release's files that carry its name, so that a page runs only
# what belongs to its own release (web/page.js): the name is a digest of
# page.js, page.css and each program's script and module as linked, the
# same for the same files. Each program's page names it (data-release),
# and asks for page.js, page.css and its program under it; page.js and each
# program's script end with it as a variable (pageScriptRelease,
# programRelease), each module carries it in its custom section
# "kalumet-release".
#   cmake -D LINKED=<folder the programs are linked into> -D FOLDER=<release folder>
#         -D PROGRAMS=<program;...> -D PAGES=<folder of the pages' templates>
#         -D PAGE_JS=<page.js> -D PAGE_CSS=<page.css> -D SECTION=<wasmsection.sh>
#         -P release.cmake
set(digests)
set(named "${PAGE_JS}" "${PAGE_CSS}")
foreach(program IN LISTS PROGRAMS)
    list(APPEND named "${LINKED}/${program}.js" "${LINKED}/${program}.wasm")
endforeach()
foreach(file IN LISTS named)
    file(SHA256 "${file}" digest)
    string(APPEND digests "${digest}")
endforeach()
string(SHA256 PAGE_RELEASE "${digests}")
string(SUBSTRING "${PAGE_RELEASE}" 0 16 PAGE_RELEASE)

file(COPY_FILE "${PAGE_JS}" "${FOLDER}/page.js")
file(APPEND "${FOLDER}/page.js" "var pageScriptRelease = \"${PAGE_RELEASE}\";\n")
foreach(program IN LISTS PROGRAMS)
    file(COPY_FILE "${LINKED}/${program}.js" "${FOLDER}/${program}.js")
    file(APPEND "${FOLDER}/${program}.js" "\nvar programRelease = \"${PAGE_RELEASE}\";\n")
    execute_process(COMMAND sh "${SECTION}" "${LINKED}/${program}.wasm" "${FOLDER}/${program}.wasm"
                            kalumet-release "${PAGE_RELEASE}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${program}.wasm: no section added")
    endif()
    configure_file("${PAGES}/${program}.html.in" "${FOLDER}/${program}.html" @ONLY)
endforeach()
