# Shared part of the MinGW-w64 toolchain files; the caller sets OVIX_MINGW_TRIPLE.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${OVIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OVIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OVIX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OVIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every .exe must run on a bare Windows with system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
