# 32-bit Windows: the build of the shipped programs.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(OVIX_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
