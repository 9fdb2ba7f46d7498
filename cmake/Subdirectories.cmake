# cpz5_add_subdirectories(PARENT CHILD...): adds PARENT/CHILD for every
# CHILD, each with its own CMakeLists.txt. A listed folder that is missing
# stops the configure step: a test or program that was meant to be built is
# never left out without a word.
function(cpz5_add_subdirectories parent)
  foreach(child ${ARGN})
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${parent}/${child}/CMakeLists.txt)
      message(FATAL_ERROR "${parent}/${child} is listed in ${CMAKE_CURRENT_LIST_FILE} "
                          "but has no CMakeLists.txt")
    endif()
    add_subdirectory(${parent}/${child})
  endforeach()
endfunction()
