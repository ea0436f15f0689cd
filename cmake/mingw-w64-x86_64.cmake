# Cross build for 64-bit Windows. It runs the Windows suite under 64-bit Wine
# on hosts that cannot run 32-bit Linux programs, and so no 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(WINE_NAMES wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
