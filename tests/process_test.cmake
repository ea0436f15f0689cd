# Runs the built tool as a user does: in a directory that holds "n.txt",
# once without arguments and once with some. Each run must end with status 0,
# print nothing, delete "n.txt" and write the same twelve-page script.
# Called as: cmake -DTOOL=<tool> -DWORK_DIR=<scratch directory> -P process_test.cmake [EMULATOR...]
# The words after the script's name, if any, are the command that runs the
# tool: Wine, for a Windows build.

set(emulator "")
math(EXPR last_argument "${CMAKE_ARGC} - 1")
foreach(index RANGE ${last_argument})
  if(DEFINED first_emulator_argument AND index GREATER_EQUAL first_emulator_argument)
    list(APPEND emulator "${CMAKE_ARGV${index}}")
  elseif(CMAKE_ARGV${index} STREQUAL "-P")
    math(EXPR first_emulator_argument "${index} + 2")
  endif()
endforeach()

set(expected "")
foreach(page RANGE 1 12)
  string(LENGTH "${page}" digits)
  math(EXPR zeros "4 - ${digits}")
  string(REPEAT "0" ${zeros} fill)
  string(APPEND expected "select ${page}\r\nsave-page-with  output/${fill}${page}.djvu\r\n")
endforeach()

function(check_run directory)
  file(REMOVE_RECURSE "${directory}")
  file(MAKE_DIRECTORY "${directory}")
  file(WRITE "${directory}/n.txt" "12\n")
  execute_process(COMMAND ${emulator} "${TOOL}" ${ARGN}
                  WORKING_DIRECTORY "${directory}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status STREQUAL "0")
    message(FATAL_ERROR "${directory}: exit status ${status}, not 0")
  endif()
  if(NOT output STREQUAL "" OR NOT errors STREQUAL "")
    message(FATAL_ERROR "${directory}: printed '${output}' and '${errors}'")
  endif()
  if(EXISTS "${directory}/n.txt")
    message(FATAL_ERROR "${directory}: n.txt was not deleted")
  endif()
  # Compared as hex: a plain file(READ) drops carriage returns.
  file(READ "${directory}/script.txt" script HEX)
  string(HEX "${expected}" expected_hex)
  if(NOT script STREQUAL expected_hex)
    message(FATAL_ERROR "${directory}: script.txt is not the twelve-page script, in hex:\n${script}")
  endif()
endfunction()

check_run("${WORK_DIR}/no-arguments")
check_run("${WORK_DIR}/arguments" --help -e n doc.djvu "two words" 99)
