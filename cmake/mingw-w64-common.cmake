# What both MinGW-w64 targets share; TUSCHELPOST_MINGW_PREFIX names the target.
# The POSIX thread model: GoogleTest needs std::mutex, which the win32 model
# of Debian's GCC 12 lacks. The program uses no threads, and everything is
# linked statically, so the executables import no thread library.
set(CMAKE_C_COMPILER ${TUSCHELPOST_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TUSCHELPOST_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TUSCHELPOST_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TUSCHELPOST_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
