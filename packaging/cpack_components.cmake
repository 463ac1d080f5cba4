# Read by cpack for each package format: the programs and what comes with
# them, and the licence file in the form and place that format expects.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_COMPONENTS_ALL kalumet deb)
elseif(CPACK_GENERATOR STREQUAL "RPM")
    set(CPACK_COMPONENTS_ALL kalumet rpm)
endif()
