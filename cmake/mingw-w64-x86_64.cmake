# Cross build for 64-bit Windows with Debian's mingw-w64 compilers (POSIX thread model), whose
# programs CTest runs under Wine. Used by the windows-core preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOV_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TOV_MINGW_TRIPLE}-windres)

# Headers and libraries of the target only; programs (the compilers, Wine) of the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${TOV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No inter-procedural register allocation: with it a caller may keep values in registers that
# its own copy of an inline template leaves alone, while the linker keeps one copy of each for
# the whole program, perhaps compiled with other options in Qt (scripts/build-qt-windows.sh).
set(CMAKE_C_FLAGS_INIT "-fno-ipa-ra")
set(CMAKE_CXX_FLAGS_INIT "-fno-ipa-ra")

# The C and C++ runtimes and winpthreads go into each program, so it starts without DLLs
# beside it (Wine and a bare Windows have none of them).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest, and the test listing at test time, start the programs through Wine with a prefix of
# this build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine-prefix)
