# Shared helpers for BrelFX targets: warnings, tests, fuzzers, benchmarks.

function(brelfx_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(BRELFX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # GCC 12 at -O3 reports a false -Wrestrict inside std::string's
  # operator+(const char*, std::string&&) (GCC bug 105329).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# brelfx_library(name SOURCES ... [LIBS ...]) — a portable static library.
function(brelfx_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  brelfx_warnings(${name})
endfunction()

# brelfx_test(name SOURCES ... [LIBS ...] [LABELS ...] [SERIAL]) — a GoogleTest
# program. Label "threads" marks the tests that also run under TSan.
# Natively every test case becomes its own CTest entry; under Wine one entry per
# program, since each Wine start costs a few hundred milliseconds.
function(brelfx_test name)
  cmake_parse_arguments(ARG "SERIAL" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  brelfx_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    if(ARG_SERIAL)
      set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
    endif()
  else()
    set(properties ENVIRONMENT "BRELFX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
    if(ARG_LABELS)
      list(APPEND properties LABELS "${ARG_LABELS}")
    endif()
    if("threads" IN_LIST ARG_LABELS)
      set_property(GLOBAL APPEND PROPERTY BRELFX_THREAD_TESTS ${name})
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
  endif()
endfunction()

# brelfx_fuzzer(name SOURCES ... [LIBS ...]) — a libFuzzer target, built only
# with BRELFX_FUZZ (clang).
function(brelfx_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT BRELFX_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  # scripts/test.sh runs every program in this folder for a bounded time.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  set_property(GLOBAL APPEND PROPERTY BRELFX_FUZZERS ${name})
endfunction()

# brelfx_benchmark(name SOURCES ... [LIBS ...]) — a Google Benchmark program
# (native only; never run as a test).
function(brelfx_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT BRELFX_BENCH)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  brelfx_warnings(${name})
endfunction()

# brelfx_e2e_screenshots(TEST PREFIX): the end-to-end test TEST writes its
# screenshots as BMP into ${CMAKE_BINARY_DIR}/screenshots (BRELFX_SCREENSHOTS);
# a cleanup test turns those named PREFIX-*.bmp into PNG once it has run.
function(brelfx_e2e_screenshots test prefix)
  set(shots ${CMAKE_BINARY_DIR}/screenshots)
  string(REPLACE "/" "\\\\" shots_windows "Z:${shots}")
  file(MAKE_DIRECTORY ${shots})
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT "BRELFX_SCREENSHOTS=${shots_windows}")
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_SETUP ${test}_shots)
  add_test(NAME ${test}_screenshots_png
    COMMAND sh -c "for f in ${prefix}-*.bmp; do [ -e \"$f\" ] || continue; convert \"$f\" \"\${f%.bmp}.png\" && rm \"$f\"; done"
    WORKING_DIRECTORY ${shots})
  set_tests_properties(${test}_screenshots_png PROPERTIES FIXTURES_CLEANUP ${test}_shots)
endfunction()
