# Skin pictures are drawn at build time by tools/skin-painter from text
# recipes (assets/skins/*.skin) and compiled into the programs by resource
# scripts. The painter runs on the build machine, so the cross build compiles
# it with the host's compiler. It letters the pictures through FreeType with
# DejaVu Sans (found by path or through fontconfig).
include_guard(GLOBAL)

set(painter_dir ${PROJECT_SOURCE_DIR}/tools/skin-painter)
set(BRELFX_PAINTER_SOURCES
  ${painter_dir}/main.cpp
  ${painter_dir}/canvas.cpp
  ${painter_dir}/skin_recipe.cpp
  ${painter_dir}/skin_art.cpp
  ${painter_dir}/control_art.cpp
  ${painter_dir}/motion_art.cpp
  ${painter_dir}/trophy_art.cpp
  ${painter_dir}/level_art.cpp
  ${painter_dir}/recipe_outputs.cpp
  ${painter_dir}/toolkit_art.cpp
  ${painter_dir}/files/image_files.cpp
  ${painter_dir}/files/animated_gif.cpp
  ${painter_dir}/files/color_palette.cpp
  ${painter_dir}/flags/flag_art.cpp
  ${painter_dir}/text/font_files.cpp
  ${painter_dir}/text/text_painter.cpp
  ${PROJECT_SOURCE_DIR}/option/skin/layout_string.cpp)
file(GLOB_RECURSE BRELFX_PAINTER_HEADERS ${painter_dir}/*.h)

# FreeType and fontconfig of the build machine, also for the cross build
# (whose find_package looks only into the mingw root).
find_program(BRELFX_PKG_CONFIG pkg-config NO_CMAKE_FIND_ROOT_PATH)
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=PKG_CONFIG_LIBDIR --unset=PKG_CONFIG_SYSROOT_DIR
                        ${BRELFX_PKG_CONFIG} --cflags --libs freetype2 fontconfig
  OUTPUT_VARIABLE painter_font_flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE font_libs_missing)
if(NOT BRELFX_PKG_CONFIG OR font_libs_missing)
  message(FATAL_ERROR "The skin painter needs FreeType and fontconfig: "
                      "install libfreetype-dev and libfontconfig-dev (bash scripts/install-deps.sh)")
endif()
separate_arguments(painter_font_flags UNIX_COMMAND "${painter_font_flags}")

if(CMAKE_CROSSCOMPILING)
  find_program(BRELFX_HOST_CXX NAMES g++ c++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  set(BRELFX_PAINTER ${CMAKE_BINARY_DIR}/host/skin-painter)
  add_custom_command(OUTPUT ${BRELFX_PAINTER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
    COMMAND ${BRELFX_HOST_CXX} -std=c++20 -O2 -I${PROJECT_SOURCE_DIR} ${BRELFX_PAINTER_SOURCES}
            ${painter_font_flags} -o ${BRELFX_PAINTER}
    DEPENDS ${BRELFX_PAINTER_SOURCES} ${BRELFX_PAINTER_HEADERS}
    COMMENT "Building the skin painter for the build machine"
    VERBATIM)
  add_custom_target(skin_painter_host DEPENDS ${BRELFX_PAINTER})
else()
  set(painter_library_sources ${BRELFX_PAINTER_SOURCES})
  list(FILTER painter_library_sources EXCLUDE REGEX "main\\.cpp$")
  brelfx_library(brelfx_skin_painter SOURCES ${painter_library_sources})
  # Only the flags pkg-config gives: -I for the headers, -l for the link.
  foreach(flag ${painter_font_flags})
    if(flag MATCHES "^-I(.*)")
      target_include_directories(brelfx_skin_painter SYSTEM PUBLIC ${CMAKE_MATCH_1})
    else()
      target_link_libraries(brelfx_skin_painter PUBLIC ${flag})
    endif()
  endforeach()
  add_executable(skin-painter ${painter_dir}/main.cpp)
  target_link_libraries(skin-painter PRIVATE brelfx_skin_painter)
  brelfx_warnings(skin-painter)
  set(BRELFX_PAINTER $<TARGET_FILE:skin-painter>)
  brelfx_test(skin_painter_tests
    SOURCES ${painter_dir}/tests/skin_painter_test.cpp ${painter_dir}/tests/recipe_parser_test.cpp
            ${painter_dir}/tests/text_painter_test.cpp ${painter_dir}/tests/recipe_outputs_test.cpp
            ${painter_dir}/tests/animated_gif_test.cpp
    LIBS brelfx_skin_painter)
  # The painter as the build runs it: a recipe whose wording does not fit
  # stops it with the recipe, the wording and its place, and no pictures.
  add_test(NAME skin_painter_refuses_cut_wording
    COMMAND ${CMAKE_COMMAND} -DPAINTER=$<TARGET_FILE:skin-painter>
            -DRECIPE=${painter_dir}/tests/data/too_long_wording.skin
            -DFOLDER=${CMAKE_CURRENT_BINARY_DIR}/painter-refusal -P ${painter_dir}/tests/expect_refusal.cmake)
endif()

# brelfx_paint_skin(OUT_VAR RECIPE NAME FOLDER): the five pictures
# FOLDER/NAME_{shape,normal,hover,pressed,extra}.bmp of one window.
function(brelfx_paint_skin out recipe name folder)
  set(files)
  foreach(role shape normal hover pressed extra)
    list(APPEND files ${folder}/${name}_${role}.bmp)
  endforeach()
  brelfx_run_painter("${files}" ${recipe} "Painting skin ${name}" skin ${recipe} ${folder} ${name})
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# brelfx_paint_pictures(OUT_VAR RECIPE NAME FOLDER COUNT): a picture set,
# FOLDER/NAME_01.bmp … NAME_<COUNT>.bmp.
function(brelfx_paint_pictures out recipe name folder count)
  set(files)
  foreach(i RANGE 1 ${count})
    string(LENGTH "${i}" digits)
    if(digits EQUAL 1)
      set(i 0${i})
    endif()
    list(APPEND files ${folder}/${name}_${i}.bmp)
  endforeach()
  brelfx_run_painter("${files}" ${recipe} "Painting picture set ${name}" pictures ${recipe} ${folder}
                     ${name} ${count})
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# brelfx_paint_flags(OUT_VAR RECIPE NAME FOLDER): the language flags,
# FOLDER/NAME_<00-16>_{normal,hover,pressed}.bmp in QuickHelpLan order.
function(brelfx_paint_flags out recipe name folder)
  set(files)
  foreach(i RANGE 0 16)
    if(i LESS 10)
      set(i 0${i})
    endif()
    foreach(state normal hover pressed)
      list(APPEND files ${folder}/${name}_${i}_${state}.bmp)
    endforeach()
  endforeach()
  brelfx_run_painter("${files}" ${recipe} "Painting flag set ${name}" flags ${recipe} ${folder} ${name})
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# brelfx_paint_animation(OUT_VAR RECIPE FILE [LEVEL]): one animated GIF; with a
# LEVEL, that level's animation of a level recipe.
function(brelfx_paint_animation out recipe file)
  brelfx_run_painter("${file}" ${recipe} "Painting animation ${file}" gif ${recipe} ${file} ${ARGN})
  set(${out} ${file} PARENT_SCOPE)
endfunction()

function(brelfx_run_painter files recipe comment)
  list(GET files 0 first)
  get_filename_component(folder ${first} DIRECTORY)
  add_custom_command(OUTPUT ${files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${BRELFX_PAINTER} ${ARGN}
    DEPENDS ${recipe} ${BRELFX_PAINTER}
    COMMENT "${comment}")
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

# brelfx_program_art(LIBRARY SCRIPT script.rc FOLDER dir ICON name.ico ACCENT RRGGBB
#                    PICTURES target PICTURE_FILES files...): the object library a
# skinned program links instead of brelfx_skin_resources. It compiles the
# program's resource script (which includes the toolkit's) with the program's
# pictures painted into FOLDER by the target PICTURES, the toolkit's pictures,
# and the window icon FOLDER/ICON: the monitor's keyboard with an ACCENT key.
function(brelfx_program_art library)
  cmake_parse_arguments(ARG "" "SCRIPT;FOLDER;ICON;ACCENT;PICTURES" "PICTURE_FILES" ${ARGN})
  find_program(BRELFX_PYTHON3 python3 REQUIRED)
  set(icon_script ${PROJECT_SOURCE_DIR}/assets/monitor/make_monitor_icon.py)
  set(icon ${ARG_FOLDER}/${ARG_ICON})
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ARG_FOLDER}
    COMMAND ${BRELFX_PYTHON3} ${icon_script} ${icon} ${ARG_ACCENT}
    DEPENDS ${icon_script}
    COMMENT "Drawing ${ARG_ICON}")
  add_custom_target(${library}_icon DEPENDS ${icon})

  get_target_property(toolkit_art_dir skin_toolkit_art ART_DIR)
  get_target_property(toolkit_art skin_toolkit_art ART_FILES)
  add_library(${library} OBJECT ${ARG_SCRIPT})
  target_include_directories(${library} PUBLIC ${PROJECT_SOURCE_DIR}
                             PRIVATE ${ARG_FOLDER} ${toolkit_art_dir})
  set_source_files_properties(${ARG_SCRIPT} PROPERTIES
    OBJECT_DEPENDS "${ARG_PICTURE_FILES};${icon};${toolkit_art}")
  add_dependencies(${library} ${ARG_PICTURES} ${library}_icon skin_toolkit_art)
  # The pictures make the program tens of megabytes. With its sections at page
  # offsets in the file Wine maps them and reads only the pages used; at the
  # linker's default of 512 it copies the whole file into memory at every
  # start (about 130 ms of CPU for the option application).
  target_link_options(${library} INTERFACE -Wl,--file-alignment=4096)
endfunction()
