# Skin pictures are drawn at build time by tools/skin-painter from text
# recipes (assets/skins/*.skin) and compiled into the programs by resource
# scripts. The painter runs on the build machine, so the cross build compiles
# it with the host's compiler.

set(BRELFX_PAINTER_SOURCES
  ${PROJECT_SOURCE_DIR}/tools/skin-painter/main.cpp
  ${PROJECT_SOURCE_DIR}/tools/skin-painter/canvas.cpp
  ${PROJECT_SOURCE_DIR}/tools/skin-painter/image_files.cpp
  ${PROJECT_SOURCE_DIR}/tools/skin-painter/skin_recipe.cpp
  ${PROJECT_SOURCE_DIR}/tools/skin-painter/toolkit_art.cpp
  ${PROJECT_SOURCE_DIR}/option/skin/layout_string.cpp)
file(GLOB BRELFX_PAINTER_HEADERS ${PROJECT_SOURCE_DIR}/tools/skin-painter/*.h)

if(CMAKE_CROSSCOMPILING)
  find_program(BRELFX_HOST_CXX NAMES g++ c++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  set(BRELFX_PAINTER ${CMAKE_BINARY_DIR}/host/skin-painter)
  add_custom_command(OUTPUT ${BRELFX_PAINTER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
    COMMAND ${BRELFX_HOST_CXX} -std=c++20 -O2 -I${PROJECT_SOURCE_DIR} ${BRELFX_PAINTER_SOURCES}
            -o ${BRELFX_PAINTER}
    DEPENDS ${BRELFX_PAINTER_SOURCES} ${BRELFX_PAINTER_HEADERS}
    COMMENT "Building the skin painter for the build machine")
  add_custom_target(skin_painter_host DEPENDS ${BRELFX_PAINTER})
else()
  set(painter_library_sources ${BRELFX_PAINTER_SOURCES})
  list(FILTER painter_library_sources EXCLUDE REGEX "main\\.cpp$")
  brelfx_library(brelfx_skin_painter SOURCES ${painter_library_sources})
  add_executable(skin-painter ${PROJECT_SOURCE_DIR}/tools/skin-painter/main.cpp)
  target_link_libraries(skin-painter PRIVATE brelfx_skin_painter)
  brelfx_warnings(skin-painter)
  set(BRELFX_PAINTER $<TARGET_FILE:skin-painter>)
  brelfx_test(skin_painter_tests
    SOURCES ${PROJECT_SOURCE_DIR}/tools/skin-painter/tests/skin_painter_test.cpp
    LIBS brelfx_skin_painter)
endif()

# brelfx_paint_skin(OUT_VAR RECIPE NAME FOLDER): the five pictures
# FOLDER/NAME_{shape,normal,hover,pressed,extra}.bmp of one window.
function(brelfx_paint_skin out recipe name folder)
  set(files)
  foreach(role shape normal hover pressed extra)
    list(APPEND files ${folder}/${name}_${role}.bmp)
  endforeach()
  add_custom_command(OUTPUT ${files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${BRELFX_PAINTER} skin ${recipe} ${folder} ${name}
    DEPENDS ${recipe} ${BRELFX_PAINTER}
    COMMENT "Painting skin ${name}")
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# brelfx_paint_toolkit_art(OUT_VAR FOLDER): the toolkit's cursor, icon,
# slider thumbs, colour spectrum and marker.
function(brelfx_paint_toolkit_art out folder)
  set(files)
  foreach(f hand.cur submenu_arrow.ico slider_thumb.bmp slider_thumb_small.bmp color_spectrum.bmp
            color_marker.bmp)
    list(APPEND files ${folder}/${f})
  endforeach()
  add_custom_command(OUTPUT ${files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${BRELFX_PAINTER} toolkit ${folder}
    DEPENDS ${BRELFX_PAINTER}
    COMMENT "Painting the skin toolkit's pictures")
  set(${out} ${files} PARENT_SCOPE)
endfunction()
