# One package, kalumet, with both programs and everything installed with
# them, as a Debian (.deb) and an RPM (.rpm) package:
#   cmake --build <build folder> --target package
# Each format gets the licence files where it looks for them: the Debian
# copyright file with the changelogs (component "deb"), or the licence's full
# text with the project's notice under share/licenses (component "rpm").
# KALUMET_PACKAGE_FORMATS chooses the formats: `cmake --install` installs
# their components and the target "package" makes their packages. The
# Debian package built by debian/rules takes "deb" alone, and so holds
# the files of the .deb made here.

# The full text of the licence is the build machine's, copied when a
# package is made; the project keeps none in its tree.
set(KALUMET_GPL_TEXT "/usr/share/common-licenses/GPL-3" CACHE FILEPATH
    "The text of the GNU General Public License, version 3, for the packages")
if(NOT EXISTS "${KALUMET_GPL_TEXT}")
    message(WARNING "${KALUMET_GPL_TEXT} is missing (Debian's package base-files): "
                    "the .rpm and the Windows release can't be made without the licence's text")
endif()

# The target "packaged" builds the programs too.
add_dependencies(packaged kalumet brivon)

# A Windows build makes the Windows release instead, a web build the web
# release.
if(WIN32)
    include("${PROJECT_SOURCE_DIR}/windows/package.cmake")
    return()
elseif(EMSCRIPTEN)
    include("${PROJECT_SOURCE_DIR}/web/package.cmake")
    return()
endif()

set(KALUMET_PACKAGE_FORMATS "deb;rpm" CACHE STRING
    "The package formats whose licence files are installed and whose packages are made: deb, rpm or both")
set(CPACK_GENERATOR)
foreach(format IN LISTS KALUMET_PACKAGE_FORMATS)
    if(NOT format MATCHES "^(deb|rpm)$")
        message(FATAL_ERROR "KALUMET_PACKAGE_FORMATS: '${format}' is neither deb nor rpm")
    endif()
    string(TOUPPER "${format}" generator)
    list(APPEND CPACK_GENERATOR "${generator}")
endforeach()

# The .deb: the machine-readable copyright of the Debian package, the
# release's changelog and the Debian package's (debian/changelog), as
# debhelper would install them, and the package's lintian overrides.
if("deb" IN_LIST KALUMET_PACKAGE_FORMATS)
    install(FILES "${PROJECT_SOURCE_DIR}/debian/copyright"
            DESTINATION "${CMAKE_INSTALL_DOCDIR}" COMPONENT deb)
    install(FILES "${PROJECT_SOURCE_DIR}/debian/kalumet.lintian-overrides"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME kalumet COMPONENT deb)
    configure_file("${CMAKE_CURRENT_LIST_DIR}/changelog" packaging/changelog COPYONLY)
    configure_file("${PROJECT_SOURCE_DIR}/debian/changelog" packaging/changelog.Debian COPYONLY)
    foreach(log changelog changelog.Debian)
        install_gzipped("${CMAKE_BINARY_DIR}/packaging/${log}" "${CMAKE_INSTALL_DOCDIR}"
                        COMPONENT deb)
    endforeach()
endif()
set(rpm_licenses "${CMAKE_INSTALL_DATADIR}/licenses/${PROJECT_NAME}")
if("rpm" IN_LIST KALUMET_PACKAGE_FORMATS)
    install(FILES "${KALUMET_GPL_TEXT}" DESTINATION "${rpm_licenses}" RENAME LICENSE COMPONENT rpm)
    install(FILES "${CMAKE_CURRENT_LIST_DIR}/NOTICE" DESTINATION "${rpm_licenses}" COMPONENT rpm)
endif()

set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VENDOR "${KALUMET_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${KALUMET_VENDOR} <team@kalumet.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Classroom demonstration of sorting three numbers")
set(CPACK_PACKAGE_DESCRIPTION
"A teaching aid for lessons on branching algorithms. The demonstrator
kalumet shows, one step at a time, how a program sorts three numbers in
ascending order: the current flowchart block and program line turn red
while the program's memory cells fill, compare and exchange, and the
sorted numbers go back into a picture of the program's window. Steps come
with each press of a button or every half second by themselves.

The sorter brivon is that small program itself: three input boxes and a
button that sorts their numbers in place.

Both programs have Russian texts. Each has a second menu entry that
enlarges its window for a classroom projector.")
set(CPACK_STRIP_FILES ON)
# A stripped install (cpack, or cmake --install --strip) drops the
# compiler's notes (.comment) as well, as distributions strip.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program kalumet brivon)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

# The time the files in the packages carry, and the packages' build time:
# SOURCE_DATE_EPOCH when it is set, or else the release's
# (packaging/cpack_components.cmake).
set(CPACK_KALUMET_RELEASE_EPOCH "${KALUMET_RELEASE_EPOCH}")

# All components in one package; packaging/cpack_components.cmake picks
# them for each format.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_RPM_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/cpack_components.cmake")

# Debian: dependencies from the binaries (dpkg-shlibdeps); the fonts the
# window is drawn in and Qt's Russian texts are recommended, not required.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The revision of the Debian package's top entry: the .deb made here is
# that package (kalumet_1.0.0-1_amd64.deb).
set(CPACK_DEBIAN_PACKAGE_RELEASE "${KALUMET_DEBIAN_REVISION}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# RPM: rpmbuild finds the libraries the binaries need. The system's own
# folders are left to the system's packages, the icon theme's to the theme.
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_LICENSE GPL-3.0-or-later)
set(CPACK_RPM_PACKAGE_GROUP Education)
set(CPACK_RPM_PACKAGE_REQUIRES hicolor-icon-theme)
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_RELOCATABLE OFF) # installs under /usr only
# No links from /usr/lib/.build-id: they serve debug information, which the
# package does not carry. The packager is the .deb's maintainer. The build
# time is SOURCE_DATE_EPOCH, no file is newer, and the build host is a
# constant.
set(CPACK_RPM_SPEC_MORE_DEFINE "%define _build_id_links none
%define packager ${CPACK_PACKAGE_CONTACT}
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _buildhost reproducible")
set(CPACK_RPM_USER_FILELIST
    "%license ${CPACK_PACKAGING_INSTALL_PREFIX}/${rpm_licenses}/LICENSE"
    "%license ${CPACK_PACKAGING_INSTALL_PREFIX}/${rpm_licenses}/NOTICE")
set(rpm_system_dirs)
foreach(dir applications icons icons/hicolor metainfo man man/man1 man/ru man/ru/man1 licenses)
    list(APPEND rpm_system_dirs "/usr/share/${dir}")
endforeach()
foreach(size IN LISTS PROGRAM_ICON_SIZES)
    list(APPEND rpm_system_dirs "/usr/share/icons/hicolor/${size}x${size}"
                                "/usr/share/icons/hicolor/${size}x${size}/apps")
endforeach()
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION "${rpm_system_dirs}")

include(CPack)
