# Cross-compiles for 64-bit Windows with Debian's g++-mingw-w64-x86-64 (for running under wine64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VESK_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
