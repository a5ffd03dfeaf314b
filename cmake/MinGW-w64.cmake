# Toolchain for the Windows build from Linux: MinGW-w64's g++ for 64-bit
# Windows (the "posix" flavour, whose std::thread and std::mutex C++20
# needs), with Wine as the emulator through which CTest and the build's
# own steps (the repair metadata is made by remendor-db.exe) run Windows
# programs.
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake
#
# The executables link the C and C++ run times statically, so that they
# run on a Windows that has no MinGW DLLs. Wine keeps its own Windows (a
# "prefix") in the build folder, apart from the user's ~/.wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(REMENDOR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${REMENDOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${REMENDOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${REMENDOR_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${REMENDOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian installs the 64-bit loader outside PATH.
find_program(REMENDOR_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(REMENDOR_WINE)
  # No Mono or Gecko: nothing here hosts .NET or HTML, and without them a
  # new prefix neither asks to download them nor waits for the answer.
  set(CMAKE_CROSSCOMPILING_EMULATOR
      /usr/bin/env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wine
      WINEDLLOVERRIDES=mscoree,mshtml= ${REMENDOR_WINE})
endif()
