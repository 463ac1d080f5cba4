# Writes the service worker (serviceworker.js.in) for the files it keeps,
# its cache named after the release's version and a digest of the files,
# so that a release rebuilt with other files under the same version is
# still a new version to the browsers that keep the old one.
#   cmake -D FOLDER=<release folder> -D FILES=<file;...> -D VERSION=<version>
#         -D TEMPLATE=<serviceworker.js.in> -P serviceworker.cmake
set(digests)
foreach(file IN LISTS FILES)
    file(SHA256 "${FOLDER}/${file}" digest)
    string(APPEND digests "${digest}")
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING "${digest}" 0 12 digest)
set(SERVICE_WORKER_CACHE "kalumet-web-${VERSION}-${digest}")
list(TRANSFORM FILES REPLACE "(.+)" "\"\\1\"" OUTPUT_VARIABLE SERVICE_WORKER_FILES)
list(JOIN SERVICE_WORKER_FILES ", " SERVICE_WORKER_FILES)
configure_file("${TEMPLATE}" "${FOLDER}/serviceworker.js" @ONLY)
