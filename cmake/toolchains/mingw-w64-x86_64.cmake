# Cross toolchain: Debian's MinGW-w64, 64-bit, posix thread model.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER  ${_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# DLLs are named as they ship (kavro.dll, not libkavro.dll).
set(CMAKE_SHARED_LIBRARY_PREFIX "")
# No MinGW runtime DLL beside ours: libgcc, libstdc++ and winpthread (which
# the posix thread model brings) are linked into every module. -static does
# it in the right order; the system's import libraries are plain .a files, and
# our own import libraries are linked by full path, so both are still found.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

find_program(KAVRO_WINE wine)
if(KAVRO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KAVRO_WINE})
endif()
