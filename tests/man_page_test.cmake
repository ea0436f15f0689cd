# The man page must format without a single groff warning; groff reports
# them on stderr but still ends with status 0.
# Called as: cmake -DGROFF=<groff> -DMAN_PAGE=<page> -P man_page_test.cmake

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${GROFF}" -ww -man -z "${MAN_PAGE}" RESULT_VARIABLE status ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff ended with ${status} and said:\n${warnings}")
endif()
