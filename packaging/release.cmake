# The release: its version is the project's, its date and notes are the top
# entry of packaging/changelog. A release adds an entry there and in
# debian/changelog, the Debian package's, and raises the version in
# project(); configuring stops when the three disagree. The Debian entry's
# version is the release's with the package's revision after it
# (1.0.0-1), and maybe "<epoch>:" before it or "+<repack>" after the
# release's, as a distribution may have it; KALUMET_DEBIAN_REVISION is the
# revision.

file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/changelog" changelog_head LIMIT_COUNT 1)
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/changelog" changelog_trailers REGEX "^ -- ")
list(GET changelog_trailers 0 changelog_trailer)
if(NOT changelog_head MATCHES "^kalumet \\(([^)]+)\\)"
   OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog: the top entry is not for version "
                        "${PROJECT_VERSION}: '${changelog_head}'")
endif()
file(STRINGS "${PROJECT_SOURCE_DIR}/debian/changelog" debian_head LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
if(NOT debian_head MATCHES "^kalumet \\(([0-9]+:)?${version_pattern}(\\+[^-)]+)?-([^-)]+)\\) ")
    message(FATAL_ERROR "debian/changelog: the top entry is not for version "
                        "${PROJECT_VERSION}-<revision>: '${debian_head}'")
endif()
set(KALUMET_DEBIAN_REVISION "${CMAKE_MATCH_3}")
if(NOT changelog_trailer MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "packaging/changelog: no date in '${changelog_trailer}'")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_2}" month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month "0${month}")
endif()
set(KALUMET_RELEASE_DATE "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}")

# The release's time in seconds since 1970, the SOURCE_DATE_EPOCH of a
# package built without one. Days are counted from 1 March of year 0, so
# that a leap day is the last day of a year.
math(EXPR year "${CMAKE_MATCH_3} + (${month} + 9) / 12 - 1")
math(EXPR days "(153 * ((${month} + 9) % 12) + 2) / 5 + ${CMAKE_MATCH_1} - 1
                + ${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400 - 719468")
if(NOT changelog_trailer MATCHES " ([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) ([-+])([0-9][0-9])([0-9][0-9])$")
    message(FATAL_ERROR "packaging/changelog: no time of day in '${changelog_trailer}'")
endif()
math(EXPR KALUMET_RELEASE_EPOCH "${days} * 86400 + ${CMAKE_MATCH_1} * 3600 + ${CMAKE_MATCH_2} * 60
    + ${CMAKE_MATCH_3} - (${CMAKE_MATCH_4}1) * (${CMAKE_MATCH_5} * 3600 + ${CMAKE_MATCH_6} * 60)")

# The target "packaged" builds what the packages hold and nothing else (the
# tests, the tools): packaging/package.cmake adds the programs.
add_custom_target(packaged)

# install_gzipped(<file> <destination> [COMPONENT <name>]): compresses a file
# made in the build folder with gzip -9n (best compression, no name or time
# inside: the same bytes on every build) and installs <file>.gz.
function(install_gzipped file destination)
    cmake_parse_arguments(G "" "COMPONENT" "" ${ARGN})
    if(NOT G_COMPONENT)
        set(G_COMPONENT "${CMAKE_INSTALL_DEFAULT_COMPONENT_NAME}")
    endif()
    file(RELATIVE_PATH name "${CMAKE_BINARY_DIR}" "${file}")
    string(MAKE_C_IDENTIFIER "gzip_${name}" target)
    add_custom_command(OUTPUT "${file}.gz"
        COMMAND gzip -9nkf "${file}"
        DEPENDS "${file}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS "${file}.gz")
    add_dependencies(packaged ${target})
    install(FILES "${file}.gz" DESTINATION "${destination}" COMPONENT "${G_COMPONENT}")
endfunction()
