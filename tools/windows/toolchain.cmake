# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix
# thread model, which std::thread needs). The cross-built dependencies are
# searched in the prefix named by NAV_WINDOWS_DEPS (a cache variable or the
# environment variable of that name), never in the build machine's folders.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
if(NOT NAV_WINDOWS_DEPS AND DEFINED ENV{NAV_WINDOWS_DEPS})
  set(NAV_WINDOWS_DEPS $ENV{NAV_WINDOWS_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${NAV_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Test programs run under wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
