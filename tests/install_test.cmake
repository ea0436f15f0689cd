# Installs the build into a scratch prefix and checks that exactly the tool
# and its man page land there, in bin/ and share/man/man1/, unchanged.
# Called as: cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -DTOOL=<built tool> -DMAN_PAGE=<source>
#   -P install_test.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install ended with ${status}")
endif()

get_filename_component(tool_name "${TOOL}" NAME)
set(expected "bin/${tool_name};share/man/man1/djvu-split-script.1")
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed '${installed}', not '${expected}'")
endif()

foreach(pair "${TOOL}|bin/${tool_name}" "${MAN_PAGE}|share/man/man1/djvu-split-script.1")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 original)
  list(GET pair 1 copy)
  file(SHA256 "${original}" original_hash)
  file(SHA256 "${PREFIX}/${copy}" copy_hash)
  if(NOT original_hash STREQUAL copy_hash)
    message(FATAL_ERROR "${copy} differs from ${original}")
  endif()
endforeach()

execute_process(COMMAND test -x "${PREFIX}/bin/${tool_name}" RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
  message(FATAL_ERROR "bin/${tool_name} is not executable")
endif()
