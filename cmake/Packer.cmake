# How the build runs kvpack (payload packing, window descriptions): KV_PACKER_COMMAND, and
# KV_PACKER_START, a command to run before it (starting the Wine prefix detached), or empty.
set(KV_PACKER "" CACHE STRING "Command that runs a kvpack.exe (list); empty: this tree's own")

set(KV_PACKER_START "")
if(KV_PACKER)
  set(KV_PACKER_COMMAND ${KV_PACKER})
else()
  set(KV_PACKER_COMMAND kvpack)  # this tree's own, run through CMAKE_CROSSCOMPILING_EMULATOR
  if(NOT CMAKE_HOST_WIN32)
    # The first Wine start in a prefix leaves services running; started here with their output
    # detached, they hold no pipe of whoever runs the build.
    set(KV_PACKER_START COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-start.sh ${CMAKE_BINARY_DIR} ${KV_WINE_LOADER})
  endif()
endif()

# kvpack is a Windows program: under Wine, a Unix path is reached through the drive Z:.
function(kv_windows_path out path)
  if(CMAKE_HOST_WIN32)
    file(TO_NATIVE_PATH "${path}" native)
  else()
    string(REPLACE "/" "\\" native "Z:${path}")
  endif()
  set(${out} "${native}" PARENT_SCOPE)
endfunction()
