# Writes the service worker (serviceworker.js.in) for the files it keeps,
# each with its digest, which it checks what the site gives it against,
# and the address it asks for it at: the one the pages ask for, under the
# release's name (web/release.cmake, as page.js carries it) for the files
# NAMED, so that the browser's own cache has what a page has just loaded.
# Its cache is named after the release's version and a digest of the files,
# so that a release rebuilt with other files under the same version is
# still a new version to the browsers that keep the old one.
#   cmake -D FOLDER=<release folder> -D FILES=<file;...> -D NAMED=<file;...>
#         -D VERSION=<version> -D TEMPLATE=<serviceworker.js.in> -P serviceworker.cmake
file(STRINGS "${FOLDER}/page.js" release REGEX "^var pageScriptRelease = ")
string(REGEX REPLACE ".*\"(.+)\".*" "\\1" release "${release}")
set(digests)
set(entries)
foreach(file IN LISTS FILES)
    file(SHA256 "${FOLDER}/${file}" digest)
    string(APPEND digests "${digest}")
    set(asked "${file}")
    list(FIND NAMED "${file}" at)
    if(at GREATER -1)
        set(asked "${file}?v=${release}")
    endif()
    list(APPEND entries "\"${file}\": [\"${digest}\", \"${asked}\"]")
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING "${digest}" 0 12 digest)
set(SERVICE_WORKER_CACHE "kalumet-web-${VERSION}-${digest}")
list(JOIN entries ",\n    " SERVICE_WORKER_FILES)
configure_file("${TEMPLATE}" "${FOLDER}/serviceworker.js" @ONLY)
