# Shared by the mingw toolchain files; PWK_MINGW_TRIPLE names the target.
set(CMAKE_C_COMPILER ${PWK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PWK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PWK_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PWK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link the C++ runtime and winpthread into each binary so that it imports system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# The Windows programs are run under Wine (by the tests' own scripts, which set up the prefix).
find_program(PWK_WINE NAMES wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PWK_WINE})
