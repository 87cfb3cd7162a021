# brelfx_ship(): entries of the shipping folder's manifest. The staging step
# (stage_shipping_folder.cmake) copies them into the folder at build time.
include_guard(GLOBAL)

set(BRELFX_SHIPPING_MANIFEST ${CMAKE_BINARY_DIR}/shipping-manifest.txt)
set_property(GLOBAL PROPERTY BRELFX_SHIPPED_ENTRIES "")
set_property(GLOBAL PROPERTY BRELFX_SHIPPED_TARGETS "")

# brelfx_ship(TARGET [DESCRIPTION text] [FOLDER sub\folder] [SETTINGS])
#   A program or DLL ships its file and gets a version resource described by
#   DESCRIPTION; any other target ships the files of its SHIPPED_FILES
#   property (below their SHIPPED_FROM folder they keep their subfolders).
#   FOLDER places them below the program folder. SETTINGS marks
#   files the user's edits replace: an install never overwrites them and an
#   uninstall keeps them unless asked. A target this build does not have is
#   skipped, so a program joins the folder the day its target exists.
function(brelfx_ship target)
  cmake_parse_arguments(ARG "SETTINGS" "DESCRIPTION;FOLDER" "" ${ARGN})
  if(NOT TARGET ${target})
    message(STATUS "Shipping folder: no target ${target} in this build, left out")
    return()
  endif()
  get_target_property(type ${target} TYPE)
  if(type MATCHES "^(EXECUTABLE|SHARED_LIBRARY|MODULE_LIBRARY)$")
    set(files "$<TARGET_FILE:${target}>")
    if(ARG_DESCRIPTION)
      brelfx_version_resource(${target} "${ARG_DESCRIPTION}")
    endif()
  else()
    get_target_property(files ${target} SHIPPED_FILES)
    if(NOT files)
      message(FATAL_ERROR "brelfx_ship(${target}): the target has no SHIPPED_FILES property")
    endif()
  endif()
  set(kind program)
  if(ARG_SETTINGS)
    set(kind settings)
  endif()
  # SHIPPED_FROM: the files keep their subfolders below that folder.
  get_target_property(base ${target} SHIPPED_FROM)
  foreach(file IN LISTS files)
    set(folder "${ARG_FOLDER}")
    if(base)
      file(RELATIVE_PATH relative "${base}" "${file}")
      get_filename_component(subfolder "${relative}" DIRECTORY)
      if(subfolder)
        cmake_path(APPEND folder "${subfolder}")
      endif()
    endif()
    string(REPLACE "/" "\\" folder "${folder}")
    set_property(GLOBAL APPEND PROPERTY BRELFX_SHIPPED_ENTRIES "${kind}\t${folder}\t${file}")
  endforeach()
  set_property(GLOBAL APPEND PROPERTY BRELFX_SHIPPED_TARGETS ${target})
endfunction()

# Writes the manifest (one "kind<TAB>folder<TAB>file" line per file) once
# every entry is known.
function(brelfx_write_shipping_manifest)
  get_property(entries GLOBAL PROPERTY BRELFX_SHIPPED_ENTRIES)
  list(JOIN entries "\n" content)
  file(GENERATE OUTPUT ${BRELFX_SHIPPING_MANIFEST} CONTENT "${content}\n")
endfunction()
