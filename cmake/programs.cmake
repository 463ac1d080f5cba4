# Each program is declared once, in its folder, with kalumet_program():
# what it is called (its application id, its window's title and a one-line
# summary, in Russian and in English), the size of its window's client area,
# and the library with its window. The version and the maker are the
# project's. Everything else that names a program is made from that:
#   - <name>_program.h, the C++ constants (namespace <name>_program), for
#     the program, its window's library and its tests (target <name>_declared);
#   - programs/<name>.env in the build folder, the same facts for the shell
#     and Python tests (<name>_title=..., <name>_client='788 531', ...);
#   - the program itself, with its Windows icon and version resource;
#   - the desktop entries and AppStream metainfo (desktop/), the Windows
#     installer's Start menu (windows/package.cmake), through
#     kalumet_program_fact().
# The window's title and the summary are also written where tr() finds them
# (the files given as MARKED); configuring stops where they differ from the
# declaration, as it does for a version that differs from the changelog.
#
# kalumet_program(<name>
#     ID <application id> TITLE <title> TITLE_EN <title>
#     SUMMARY <one line> SUMMARY_EN <one line>
#     CLIENT_TWIPS <width> <height>
#     MARKED <source file>...
#     WINDOW <library> SOURCES <file>... [WINDOWS_RC <file>])
set(KALUMET_PROGRAMS_TEMPLATES "${CMAKE_CURRENT_LIST_DIR}")
set(KALUMET_FACTS_DIR "${CMAKE_BINARY_DIR}/programs")

function(kalumet_program name)
    cmake_parse_arguments(P "" "ID;TITLE;TITLE_EN;SUMMARY;SUMMARY_EN;WINDOW;WINDOWS_RC"
                          "CLIENT_TWIPS;MARKED;SOURCES" ${ARGN})
    foreach(fact ID TITLE TITLE_EN SUMMARY SUMMARY_EN WINDOW CLIENT_TWIPS MARKED SOURCES)
        if(NOT P_${fact})
            message(FATAL_ERROR "kalumet_program(${name}): ${fact} is missing")
        endif()
    endforeach()

    # The marked texts, as tr() has them.
    foreach(fact TITLE SUMMARY)
        set(found OFF)
        foreach(file IN LISTS P_MARKED)
            file(READ "${file}" content)
            string(FIND "${content}" "\"${P_${fact}}\"" at)
            if(at GREATER -1)
                set(found ON)
            endif()
        endforeach()
        if(NOT found)
            string(TOLOWER "${fact}" what)
            message(FATAL_ERROR "kalumet_program(${name}): the ${what} \"${P_${fact}}\" "
                                "is marked for translation in none of ${P_MARKED}")
        endif()
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${P_MARKED})

    list(GET P_CLIENT_TWIPS 0 CLIENT_WIDTH_TWIPS)
    list(GET P_CLIENT_TWIPS 1 CLIENT_HEIGHT_TWIPS)
    math(EXPR width "${CLIENT_WIDTH_TWIPS} / 15")
    math(EXPR height "${CLIENT_HEIGHT_TWIPS} / 15")

    foreach(fact ID TITLE TITLE_EN SUMMARY SUMMARY_EN)
        set_property(GLOBAL PROPERTY KALUMET_PROGRAM_${name}_${fact} "${P_${fact}}")
    endforeach()
    set_property(GLOBAL PROPERTY KALUMET_PROGRAM_${name}_CLIENT "${width} ${height}")
    set_property(GLOBAL APPEND PROPERTY KALUMET_PROGRAMS ${name})

    # The C++ constants.
    set(NAME "${name}")
    foreach(fact ID TITLE SUMMARY)
        set(${fact} "${P_${fact}}")
    endforeach()
    configure_file("${KALUMET_PROGRAMS_TEMPLATES}/program.h.in"
                   "${KALUMET_FACTS_DIR}/${name}/${name}_program.h" @ONLY)
    add_library(${name}_declared INTERFACE)
    target_include_directories(${name}_declared INTERFACE "${KALUMET_FACTS_DIR}/${name}")

    # The shell's.
    file(WRITE "${KALUMET_FACTS_DIR}/${name}.env"
        "# ${name} as declared in ${CMAKE_CURRENT_SOURCE_DIR}/CMakeLists.txt\n"
        "${name}_id='${P_ID}'\n"
        "${name}_title='${P_TITLE}'\n"
        "${name}_version='${PROJECT_VERSION}'\n"
        "${name}_maker='${KALUMET_VENDOR}'\n"
        "${name}_client='${width} ${height}'\n")

    qt_add_executable(${name} WIN32 ${P_SOURCES})
    target_link_libraries(${name} PRIVATE ${P_WINDOW} kalumet_options)
    if(WIN32)
        # The .ico becomes the executable's icon on Windows, beside its version.
        target_sources(${name} PRIVATE "${P_WINDOWS_RC}")
        add_version_resource(${name} "${P_TITLE}" "${P_ID}")
    endif()
    # A web release installs the program's files named after it
    # (web/CMakeLists.txt).
    if(NOT EMSCRIPTEN)
        install(TARGETS ${name} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
    endif()
endfunction()

# kalumet_program_fact(<variable> <name> <fact>): a fact of a declared
# program: ID, TITLE, TITLE_EN, SUMMARY, SUMMARY_EN, or CLIENT (the client
# area's width and height in pixels at scale 1, as a list).
function(kalumet_program_fact variable name fact)
    get_property(value GLOBAL PROPERTY KALUMET_PROGRAM_${name}_${fact})
    if(fact STREQUAL "CLIENT")
        string(REPLACE " " ";" value "${value}")
    endif()
    set(${variable} "${value}" PARENT_SCOPE)
endfunction()
