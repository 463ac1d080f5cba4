# Cross compiling for 64-bit Windows with Debian's MinGW-w64, POSIX threads
# (std::thread and std::mutex as Qt needs them).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KALUMET_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KALUMET_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KALUMET_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KALUMET_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and the prefixes given
# (the Qt built for Windows); programs run at build time come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${KALUMET_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The prefixes given (the Qt built for Windows) are searched as roots too.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
