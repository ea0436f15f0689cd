# Shared by the MinGW-w64 toolchain files, which set MINGW_TRIPLET, WINE_NAMES
# and CMAKE_SYSTEM_PROCESSOR first. Compilers are Debian's -posix flavour.
# Programs are linked statically, so they need no DLL beyond Windows' own.

set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# Wine runs the programs, in a prefix of the build tree's own made on first
# use, if it runs here at all (a kernel without 32-bit support cannot start
# 32-bit Wine). WINEDEBUG keeps Wine's diagnostics off the programs' stderr,
# and the overrides skip the .NET and HTML engines that a new prefix offers
# to install.
find_program(WINE_PROGRAM NAMES ${WINE_NAMES} PATHS /usr/lib/wine NO_CACHE)
if(WINE_PROGRAM)
  execute_process(COMMAND ${WINE_PROGRAM} --version RESULT_VARIABLE wine_status OUTPUT_QUIET ERROR_QUIET)
endif()
if(WINE_PROGRAM AND wine_status EQUAL 0)
  # Windows keeps even administrators from writing a read-only file; Wine maps
  # that attribute to permission bits, which root passes over. So root runs
  # Wine without the capabilities that do so.
  execute_process(COMMAND id -u OUTPUT_VARIABLE user_id OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(as_windows_user "")
  if(user_id STREQUAL "0")
    set(as_windows_user setpriv --bounding-set=-dac_override,-dac_read_search)
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${as_windows_user} env "WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix" WINEDEBUG=-all
      "WINEDLLOVERRIDES=mscoree,mshtml=" "${WINE_PROGRAM}")
endif()
