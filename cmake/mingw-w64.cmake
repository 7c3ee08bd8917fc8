# Cross toolchain for Windows with mingw-w64, for the processor that the
# including toolchain file names in CMAKE_SYSTEM_PROCESSOR. The -posix
# compilers are used because GoogleTest needs std::mutex, which the
# win32-thread ones lack.
set(CMAKE_SYSTEM_NAME Windows)
set(_wm_triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${_wm_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_wm_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_wm_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_wm_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static C/C++ runtime: the exe runs on its own, with no mingw DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests built for Windows run under Wine through ctest.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec")
