# Shell function for the tests that build a build folder's sources again in
# other folders, to compare what comes out. Source it, then:
#   copy_elsewhere <build folder> <scratch folder>
# copies the build folder's source folder ($src), as it is but for git's data
# and the build folders, to <scratch>/another/source-folder ($copy), and
# writes <scratch>/cache.cmake for `cmake -C`: the build folder's cache
# entries (those given on its command line with no type, such as
# CMAKE_PREFIX_PATH, as strings) but those that name its own folders and
# where it found dpkg-buildflags. The copy is to be built in $other,
# <scratch>/build-elsewhere.
copy_elsewhere() {
    src=$(sed -n 's/^CMAKE_HOME_DIRECTORY:[A-Z]*=//p' "$1/CMakeCache.txt")
    copy="$2/another/source-folder" other="$2/build-elsewhere"
    mkdir -p "$copy"
    tar -C "$src" --anchored --exclude=./.git --exclude=./build --exclude='./build-*' \
        --exclude="./${1#"$src"/}" -cf - . | tar -C "$copy" -xf -
    grep -E '^[A-Za-z_][A-Za-z0-9_]*:(BOOL|STRING|FILEPATH|PATH|UNINITIALIZED)=' "$1/CMakeCache.txt" \
        | grep -vF -e "$src" -e "$1" | grep -v '^DPKG_BUILDFLAGS_COMMAND:' \
        | sed 's/^\([^:]*\):UNINITIALIZED=/\1:STRING=/
               s/^\([^:]*\):\([A-Z]*\)=\(.*\)$/set(\1 [==[\3]==] CACHE \2 "")/' >"$2/cache.cmake"
}
