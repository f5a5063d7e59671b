# The same sources for 64-bit Windows. Only for running the tests on machines
# whose kernel cannot execute 32-bit code, where Wine's 32-bit loader fails.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)
# The objects carry GCC's link-time code; the compiler's own wrappers hand
# its plugin to ar and ranlib, which otherwise find it only where the
# native gcc package happens to have put it.
set(CMAKE_AR           x86_64-w64-mingw32-gcc-ar-posix)
set(CMAKE_RANLIB       x86_64-w64-mingw32-gcc-ranlib-posix)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR env LANG=ja_JP.UTF-8 WINEDEBUG=-all /usr/lib/wine/wine64)
