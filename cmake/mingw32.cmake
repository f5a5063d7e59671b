# Cross-compiling for 32-bit Windows with MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  i686-w64-mingw32-windres)
# The objects carry GCC's link-time code; the compiler's own wrappers hand
# its plugin to ar and ranlib, which otherwise find it only where the
# native gcc package happens to have put it.
set(CMAKE_AR           i686-w64-mingw32-gcc-ar-posix)
set(CMAKE_RANLIB       i686-w64-mingw32-gcc-ranlib-posix)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# ctest and test discovery run the Windows executables through Wine, in the
# Japanese locale so that the ANSI code page is 932.
set(CMAKE_CROSSCOMPILING_EMULATOR env LANG=ja_JP.UTF-8 WINEDEBUG=-all wine)
