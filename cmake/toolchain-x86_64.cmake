# The 64-bit build of the same sources: built and checked (imports, hardening, bind across
# bitness) beside the shipped 32-bit one; run by hand under wine64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)
# The shipped programs link the runtime of the win32 thread model (cmake/ShippedProgram.cmake).
set(KV_WIN32_THREADS_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(KV_WINE_LOADER wine64 CACHE STRING "Wine loader that runs this build's executables")
