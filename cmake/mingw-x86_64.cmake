# Cross toolchain: 64-bit Windows, the same sources built for testing under a
# 64-bit Wine on machines that cannot run 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
