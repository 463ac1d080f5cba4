# How the programs are built for the packages: as the distribution builds
# its own, the same bytes from any folder, and finding Qt where the system
# keeps it.

# Installed programs carry no run path: Qt is in the system's library
# folders (qt_standard_project_setup() would add $ORIGIN ones).
set(CMAKE_SKIP_INSTALL_RPATH ON)

# The distribution's compiler and linker flags where dpkg-buildflags is on
# the PATH (it reads DEB_BUILD_OPTIONS and DEB_BUILD_MAINT_OPTIONS when
# configuring). They come after the build type's flags, so that they decide
# as in the distribution's own packages (noopt, say); the project's
# hardening stays. A debug build keeps its unoptimized code, and a sanitizer
# build brings checks of its own. A Windows or web build has flags of its own.
#
# AUTO looks for dpkg-buildflags again at every configure: a folder first
# configured before dpkg-dev was installed takes the flags once it is.
# ON or OFF is the user's choice and stays.
set(DPKG_BUILDFLAGS AUTO CACHE STRING
    "Build with the compiler and linker flags of dpkg-buildflags: AUTO (where it is found), ON or OFF")
set_property(CACHE DPKG_BUILDFLAGS PROPERTY STRINGS AUTO ON OFF)
set(not_debug "$<NOT:$<CONFIG:Debug>>")
find_program(DPKG_BUILDFLAGS_COMMAND dpkg-buildflags NO_CMAKE_SYSTEM_PATH)
if(WIN32 OR EMSCRIPTEN)
    # windows/windows.cmake and web/web.cmake have their builds' flags.
elseif(DPKG_BUILDFLAGS STREQUAL "AUTO" AND NOT DPKG_BUILDFLAGS_COMMAND)
    message(STATUS "dpkg-buildflags: not found, the distribution's flags are left out")
elseif(NOT DPKG_BUILDFLAGS)
    message(STATUS "dpkg-buildflags: left out (DPKG_BUILDFLAGS=${DPKG_BUILDFLAGS})")
elseif(NOT DPKG_BUILDFLAGS_COMMAND)
    message(FATAL_ERROR "DPKG_BUILDFLAGS is ${DPKG_BUILDFLAGS}, but dpkg-buildflags is not found "
                        "(install dpkg-dev)")
elseif(SANITIZE)
    message(STATUS "dpkg-buildflags: left out of a sanitizer build")
else()
    message(STATUS "dpkg-buildflags: the distribution's flags are taken")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        # Run in the source folder, which its -ffile-prefix-map maps.
        execute_process(COMMAND "${DPKG_BUILDFLAGS_COMMAND}" --get ${kind}
            WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(dpkg_${kind} UNIX_COMMAND "${flags}")
    endforeach()
    add_compile_options("$<${not_debug}:${dpkg_CPPFLAGS};${dpkg_CXXFLAGS}>")
    add_link_options("$<${not_debug}:${dpkg_LDFLAGS}>")
endif()

# Neither folder is compiled into the binaries (debug information,
# __FILE__): the sources are named from the source folder, what the build
# generates from "build", whichever folders these are. The later map wins
# where both match, as for a build folder inside the source folder. moc's
# files include a header by its name in the include path, not by the way
# from the build folder to the source folder. A debug build keeps the
# folders, for the debugger to find the sources.
set(CMAKE_AUTOMOC_PATH_PREFIX ON)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(maps "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=." "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
    add_compile_options("$<${not_debug}:${maps}>")
endif()
