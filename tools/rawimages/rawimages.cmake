# rawimages turns image files into C++ arrays of their pixels; with
# add_raw_images() a program shows its pictures without reading or decoding
# any file at start-up. Included before the programs' folders.
# A cross build sets RAWIMAGES_COMMAND and RAWIMAGES_DEPENDS to a rawimages
# built for the build machine (windows/windows.cmake).
if(NOT RAWIMAGES_COMMAND)
    add_executable(rawimages "${CMAKE_CURRENT_LIST_DIR}/rawimages.cpp")
    target_link_libraries(rawimages PRIVATE Qt6::Gui)
    if(TARGET kalumet_warnings)
        target_link_libraries(rawimages PRIVATE kalumet_warnings)
    endif()
    set(RAWIMAGES_COMMAND $<TARGET_FILE:rawimages>)
    set(RAWIMAGES_DEPENDS rawimages)
endif()

# add_raw_images(<target> <header> <name>=<image file>...): builds the
# images' pixels into <target> as `extern const RawImage <name>`, declared
# in the generated <header>, which <target> and whatever links it include.
# The arrays' type is the programs' library builtinimages/.
function(add_raw_images target header)
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_rawimages")
    get_filename_component(stem "${header}" NAME_WE)
    set(files)
    foreach(entry IN LISTS ARGN)
        string(REGEX REPLACE "^[^=]*=" "" file "${entry}")
        list(APPEND files "${file}")
    endforeach()
    add_custom_command(
        OUTPUT "${dir}/${header}" "${dir}/${stem}.cpp"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${dir}"
        # A build tool's leaks at exit don't matter, in a sanitizer build
        # either.
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                ${RAWIMAGES_COMMAND} "${dir}/${header}" "${dir}/${stem}.cpp" ${ARGN}
        DEPENDS ${RAWIMAGES_DEPENDS} ${files}
        COMMENT "Pixels of the images of ${target}"
        VERBATIM)
    set_source_files_properties("${dir}/${header}" "${dir}/${stem}.cpp" PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE "${dir}/${header}" "${dir}/${stem}.cpp")
    target_include_directories(${target} PUBLIC "${dir}")
    target_link_libraries(${target} PUBLIC builtinimages)
endfunction()
