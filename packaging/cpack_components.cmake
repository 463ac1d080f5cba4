# Read by cpack for each package format: the programs and what comes with
# them, and the licence file in the form and place that format expects.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_COMPONENTS_ALL kalumet deb)
elseif(CPACK_GENERATOR STREQUAL "RPM")
    set(CPACK_COMPONENTS_ALL kalumet rpm)
endif()

# The packages' files carry SOURCE_DATE_EPOCH as their time; without one,
# the release's time (the top entry of packaging/changelog).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_KALUMET_RELEASE_EPOCH}")
endif()
