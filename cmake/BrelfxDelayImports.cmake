# Libraries the option application needs only for one feature (a level
# animation, "Share") are imported late: Windows loads such a library at the
# first call into it instead of at process start, which keeps it off the path
# to the option window's first paint.
#
#   brelfx_delay_import(<target> <dll> <function>...)
#
# makes the variable <target> an import library for <dll> whose functions
# load the DLL at their first call, through mingw-w64's delayimp helper. Link
# it in place of the plain import library.

find_program(BRELFX_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)

function(brelfx_delay_import target dll)
  set(dir ${CMAKE_BINARY_DIR}/delay-imports)
  set(def ${dir}/${dll}.def)
  set(lib ${dir}/lib${dll}_delay.a)
  list(JOIN ARGN "\n" exports)
  file(MAKE_DIRECTORY ${dir})
  file(WRITE ${def}.new "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${def}.new ${def})
  if(NOT EXISTS ${lib} OR ${def} IS_NEWER_THAN ${lib})
    execute_process(
      COMMAND ${BRELFX_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
      RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "dlltool could not make the late import library for ${dll}")
    endif()
  endif()
  set(${target} ${lib} delayimp PARENT_SCOPE)
endfunction()
