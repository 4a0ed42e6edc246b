# Copies the shipped data root (SOURCE) into a runnable data root (DEST).
# Data the programs only read are refreshed when they changed; files the user may change
# (settings, saved designs, the user core and geometry files) are copied only when they do not exist yet.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(rel IN LISTS files)
  if(rel MATCHES "^sources/")
    continue()
  endif()
  set(to ${DEST}/${rel})
  get_filename_component(dir ${to} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  if(rel MATCHES "\\.(ini|sav)$" OR rel MATCHES "User(FerritesCores|CoreGeometry)\\.txt$")
    if(NOT EXISTS ${to})
      file(COPY_FILE ${SOURCE}/${rel} ${to})
    endif()
  else()
    file(COPY_FILE ${SOURCE}/${rel} ${to} ONLY_IF_DIFFERENT)
  endif()
endforeach()
