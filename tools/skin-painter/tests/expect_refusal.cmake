# Runs the painter on a recipe it must refuse and checks how it refuses:
# exit code 1, one message naming the recipe and the wording, no files.
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
execute_process(COMMAND ${PAINTER} skin ${RECIPE} ${FOLDER} refused
  RESULT_VARIABLE result ERROR_VARIABLE message)
file(GLOB written ${FOLDER}/*)
if(NOT result EQUAL 1)
  message(FATAL_ERROR "exit code ${result}, expected 1")
endif()
if(NOT message MATCHES "too_long_wording.skin: \"CONFIRM AND CLOSE\" at 10,10: the text is wider than its box")
  message(FATAL_ERROR "unexpected message: ${message}")
endif()
if(written)
  message(FATAL_ERROR "pictures were written: ${written}")
endif()
