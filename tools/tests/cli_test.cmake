# brelfx-config end to end on a scratch folder: init, show --json, check, reports.
#   cmake -DTOOL=… [-DEMULATOR=…] -DWORK=… -P cli_test.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(dir "${WORK}/brel")

function(run_tool expected_code out_var)
  execute_process(COMMAND ${EMULATOR} "${TOOL}" ${ARGN}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "brelfx-config ${ARGN}: exit ${code}, expected ${expected_code}\n${out}\n${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

run_tool(0 out init "${dir}")
foreach(file config.ini config/Default0.tkp config/Default4.tkp)
  if(NOT EXISTS "${dir}/${file}")
    message(FATAL_ERROR "init did not write ${file}")
  endif()
endforeach()

run_tool(0 json show "${dir}" --json)
string(JSON profiles LENGTH "${json}" profiles)
string(JSON keys LENGTH "${json}" profiles 0 keys)
string(JSON name GET "${json}" profiles 2 ProFileName)
string(JSON text GET "${json}" profiles 0 keys 31 text)
string(JSON current GET "${json}" CurrentProfile)
if(NOT profiles EQUAL 5 OR NOT keys EQUAL 58 OR NOT name STREQUAL "Default3"
   OR NOT text STREQUAL "Open Driver" OR NOT current EQUAL 0)
  message(FATAL_ERROR "unexpected show --json output: ${profiles} ${keys} ${name} ${text} ${current}")
endif()

run_tool(0 out check "${dir}")

# The defaults hold no macro: profile select and eight reports per profile.
run_tool(0 reports reports "${dir}")
string(REGEX MATCHALL "[^\n]+" report_lines "${reports}")
list(LENGTH report_lines report_count)
list(GET report_lines 0 first_report)
if(NOT report_count EQUAL 41 OR NOT first_report STREQUAL "050300")
  message(FATAL_ERROR "unexpected reports output: ${report_count} lines, first ${first_report}")
endif()

file(APPEND "${dir}/config/Default1.tkp" "[Setting]\r\n")
file(READ "${dir}/config/Default1.tkp" profile)
string(REPLACE "KBDelay=1" "KBDelay=12" profile "${profile}")
file(WRITE "${dir}/config/Default1.tkp" "${profile}")
run_tool(1 out check "${dir}")
if(NOT out MATCHES "Default1.tkp: KBDelay: 12 is outside 0-3")
  message(FATAL_ERROR "check did not report the bad value:\n${out}")
endif()
run_tool(2 out show "${WORK}/absent")
file(REMOVE_RECURSE "${WORK}")
