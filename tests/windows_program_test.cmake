# Checks the built Windows program without running it: its format, that it is
# a console program, that it needs no DLL beyond those Windows ships (the C++
# runtime is linked in), and that it opens files through Win32 alone.
# Called as: cmake -DPROGRAM=<exe> -DOBJDUMP=<objdump> -DFORMAT=<pei-i386|pei-x86-64>
#   -P windows_program_test.cmake

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()

if(NOT headers MATCHES "file format ${FORMAT}\n")
  message(FATAL_ERROR "${PROGRAM} is not of the format ${FORMAT}")
endif()
if(NOT headers MATCHES "\nSubsystem[ \t]+00000003[ \t]+\\(Windows CUI\\)")
  message(FATAL_ERROR "${PROGRAM} is not a console program")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" dll_lines "${headers}")
set(windows_dlls KERNEL32.dll msvcrt.dll)
foreach(line IN LISTS dll_lines)
  string(REPLACE "DLL Name: " "" dll "${line}")
  if(NOT dll IN_LIST windows_dlls)
    message(FATAL_ERROR "${PROGRAM} needs ${dll}, which Windows does not ship")
  endif()
endforeach()

# The import table lists one function a line: hint, then name.
foreach(function CreateFileA ReadFile WriteFile CloseHandle DeleteFileA)
  if(NOT headers MATCHES "[ \t]${function}\n")
    message(FATAL_ERROR "${PROGRAM} does not import ${function}")
  endif()
endforeach()
foreach(function fopen _wfopen _fsopen _wfsopen _open _wopen _sopen _wsopen _creat _unlink _wunlink remove
                 _wremove)
  if(headers MATCHES "[ \t]${function}\n")
    message(FATAL_ERROR "${PROGRAM} imports the C runtime's ${function}")
  endif()
endforeach()
