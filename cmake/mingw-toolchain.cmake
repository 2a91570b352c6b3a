# Cross build of Windows programs with mingw-w64, run under Wine. Included by
# mingw32-toolchain.cmake (the shipped 32-bit programs) and
# mingw64-toolchain.cmake (the same code as 64-bit programs, for running the
# tests on machines whose kernel cannot execute 32-bit code).
# Expects NORVANE_MINGW_TRIPLE (i686-w64-mingw32 or x86_64-w64-mingw32) and
# NORVANE_WINE_ARCH (win32 or win64).
set(CMAKE_SYSTEM_NAME Windows)

# The -posix variants: GoogleTest needs std::mutex, which the win32-thread
# variant lacks.
set(CMAKE_C_COMPILER ${NORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${NORVANE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: the programs start from a CD with no mingw DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables run through Wine with the build's own prefix.
get_filename_component(_norvane_top "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_norvane_top}/tools/wine-run;${NORVANE_WINE_ARCH}")
