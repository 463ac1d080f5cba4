# Read by cpack for each generator: the installer is named as a setup
# program, the zipped folder as the release itself.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
