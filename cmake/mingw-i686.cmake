# Cross-compiles for 32-bit Windows with Debian's g++-mingw-w64-i686: the product.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VESK_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
