# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 toolchain (POSIX thread model,
# so std::thread and friends work). The runtime is linked statically: every .exe is one
# file that runs on a bare Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wide-character APIs only: a narrow Win32 call would go through the ANSI code page and
# lose every character outside it.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# GCC 12 reports overlapping copies deep inside std::string appends that cannot happen
# (a known false positive at -O2 and above); with -Werror it would stop the build.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# Test programs and tools run under Wine on the build machine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
