# Copies the payload's Data folder to a staging folder (keeping time stamps) and marks the listed
# files read-only there, since git cannot carry that attribute. Under Wine a file without write
# permission reads as FILE_ATTRIBUTE_READONLY.
# Usage: cmake -DSOURCE=dir -DDEST=dir [-DREADONLY=a/b;c/d] -P StagePayload.cmake
if(NOT SOURCE OR NOT DEST)
  message(FATAL_ERROR "StagePayload.cmake needs SOURCE and DEST")
endif()
file(REMOVE_RECURSE ${DEST})
get_filename_component(parent ${DEST} DIRECTORY)
file(MAKE_DIRECTORY ${parent})
if(IS_DIRECTORY ${SOURCE})
  file(COPY ${SOURCE}/ DESTINATION ${DEST})
endif()
foreach(name IN LISTS READONLY)
  if(EXISTS ${DEST}/${name})
    file(CHMOD ${DEST}/${name} PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
  endif()
endforeach()
