# What sets the shipped programs (install.exe, kvpack.exe) apart from the test programs: they
# start on every Windows from XP on.
#
# The programs start no threads, so they link the runtime of the compiler's win32 thread model.
# The posix model's runtime brings winpthreads, which imports GetTickCount64 (Vista and later):
# XP's loader refuses such a program before main. Test programs keep the posix runtime, which
# std::thread and GoogleTest's std::mutex need. Both runtimes are builds of one compiler release
# and the product's objects call neither thread library, so the same objects link with either.
if(NOT KV_WIN32_THREADS_COMPILER)
  message(FATAL_ERROR "The toolchain file names no KV_WIN32_THREADS_COMPILER")
endif()
execute_process(COMMAND ${KV_WIN32_THREADS_COMPILER} -dumpfullversion
                OUTPUT_VARIABLE win32_threads_version OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT win32_threads_version VERSION_EQUAL CMAKE_CXX_COMPILER_VERSION)
  message(FATAL_ERROR "${KV_WIN32_THREADS_COMPILER} is version '${win32_threads_version}', "
                      "${CMAKE_CXX_COMPILER} ${CMAKE_CXX_COMPILER_VERSION}: the runtimes would not match")
endif()
execute_process(COMMAND ${KV_WIN32_THREADS_COMPILER} -print-file-name=libstdc++.a
                OUTPUT_VARIABLE win32_threads_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(KV_WIN32_THREADS_LIBDIR "${win32_threads_libstdcxx}" DIRECTORY)

function(kv_shipped_program target)
  # Searched before the compiler's own directory: libstdc++, libgcc and libgcc_eh of the win32
  # thread model; nothing then needs libwinpthread, and the linker leaves it out.
  target_link_directories(${target} BEFORE PRIVATE ${KV_WIN32_THREADS_LIBDIR})
  # The PE header asks for Windows XP: 5.1, the oldest Windows that the imports exist on (5.2,
  # XP x64, for the 64-bit test build). Below 6.0, Windows Vista and later keep XP's frame sizes
  # (no padded border) that the layouts are made for, as with the linker's default 4.0.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(minor 2)
  else()
    set(minor 1)
  endif()
  target_link_options(${target} PRIVATE -Wl,--major-os-version,5,--minor-os-version,${minor})
  target_link_options(${target} PRIVATE -Wl,--major-subsystem-version,5,--minor-subsystem-version,${minor})
  # Asked for, not left to the linker's defaults: a randomised load address and no code run from
  # data pages (on 64-bit Windows, addresses from the whole 64-bit range). The test
  # pe_hardening checks the result.
  target_link_options(${target} PRIVATE -Wl,--dynamicbase,--nxcompat)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
  endif()
endfunction()
