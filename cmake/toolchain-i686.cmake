# Shipping target: 32-bit Windows, mingw-w64 with POSIX threads (GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  i686-w64-mingw32-windres)
# The shipped programs link the runtime of the win32 thread model (cmake/ShippedProgram.cmake).
set(KV_WIN32_THREADS_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(KV_WINE_LOADER wine CACHE STRING "Wine that runs this build's executables: wine (the machine's) or wow64 (tools/wine-root.sh)")
