# Shared by the mingw toolchain files; PWK_MINGW_TRIPLE names the target.
# The win32 thread model: the posix one links winpthread, which imports GetTickCount64 (Windows
# Vista) and AddVectoredExceptionHandler (Windows XP), and the loader of Windows 2000 refuses a
# file that imports either. The price: no std::thread or std::mutex (GCC 12), so what runs a
# thread calls Win32 itself.
set(CMAKE_C_COMPILER ${PWK_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${PWK_MINGW_TRIPLE}-g++-win32)
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
