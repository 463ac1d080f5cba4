# The web release zipped: kalumet-<version>-web.zip, of the folder
# kalumet-<version>-web/ that web/CMakeLists.txt fills:
#   cmake --build <build folder> --target package
# Included from packaging/package.cmake in a web build.

# The licence's full text, the build machine's (KALUMET_GPL_TEXT), beside
# the pages.
if(EXISTS "${KALUMET_GPL_TEXT}")
    configure_file("${KALUMET_GPL_TEXT}" "${KALUMET_WEB_FOLDER}/LICENSE.txt" COPYONLY)
    install(FILES "${KALUMET_WEB_FOLDER}/LICENSE.txt" DESTINATION .)
    web_precompress(web-licence-precompressed LICENSE.txt)
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VENDOR "${KALUMET_VENDOR}")
set(CPACK_PACKAGE_FILE_NAME "${PROJECT_NAME}-${PROJECT_VERSION}-web")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
