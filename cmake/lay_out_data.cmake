# Copies the demo data into the installation folder. The learner's own log.ini
# (position, settings) is never overwritten by a rebuild.
file(GLOB_RECURSE files RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(f IN LISTS files)
  if(f STREQUAL "log.ini" AND EXISTS "${DEST}/${f}")
    continue()
  endif()
  get_filename_component(dir "${DEST}/${f}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SOURCE}/${f}" "${DEST}/${f}" ONLY_IF_DIFFERENT)
endforeach()
