# The release's version comes from project(VERSION) alone: the option
# application shows it, the programs carry it in their version resources and
# the installer and the zip are named after it. The text stays as written
# ("1.08"): the support site's links carry it in that form.
include_guard(GLOBAL)

# Resource numbers have no leading zeros: "08" would read as octal.
math(EXPR BRELFX_VERSION_MAJOR "${PROJECT_VERSION_MAJOR} + 0")
math(EXPR BRELFX_VERSION_MINOR "${PROJECT_VERSION_MINOR} + 0")
math(EXPR BRELFX_VERSION_PATCH "0${PROJECT_VERSION_PATCH} + 0")
set(BRELFX_VERSION_TEXT "${PROJECT_VERSION}")

set(version_dir ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/brelfx_version.h.in ${version_dir}/brelfx_version.h @ONLY)
add_library(brelfx_version INTERFACE)
target_include_directories(brelfx_version INTERFACE ${version_dir})

# brelfx_version_resource(TARGET DESCRIPTION): the VERSIONINFO resource of a
# shipped program or DLL (Windows build only).
function(brelfx_version_resource target description)
  get_target_property(type ${target} TYPE)
  set(BRELFX_FILE_TYPE VFT_APP)
  if(NOT type STREQUAL "EXECUTABLE")
    set(BRELFX_FILE_TYPE VFT_DLL)
  endif()
  set(BRELFX_FILE_DESCRIPTION "${description}")
  set(BRELFX_INTERNAL_NAME "$<TARGET_FILE_BASE_NAME:${target}>")
  set(BRELFX_ORIGINAL_FILENAME "$<TARGET_FILE_NAME:${target}>")
  set(script ${CMAKE_BINARY_DIR}/generated/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${script}.in @ONLY)
  file(GENERATE OUTPUT ${script} INPUT ${script}.in)
  target_sources(${target} PRIVATE ${script})
endfunction()
