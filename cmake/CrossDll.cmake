# Builds the 32-bit Windows DLL in a sub-build with the MinGW toolchain, so that one native
# build produces both the native library and the product, and the tests can inspect the latter.
find_program(VESK_MINGW_CXX i686-w64-mingw32-g++)
set(VESK_DLL_DIR ${CMAKE_BINARY_DIR}/dll)
set(VESK_DLL_PATH ${VESK_DLL_DIR}/VeskDebug.dll)
if(VESK_MINGW_CXX)
  include(ExternalProject)
  ExternalProject_Add(vesk_dll
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${VESK_DLL_DIR}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DVESK_BUILD_TESTS=OFF
      -DVESK_BUILD_DLL=OFF
      -DVESK_WERROR=${VESK_WERROR}
    BUILD_BYPRODUCTS ${VESK_DLL_PATH}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
else()
  message(WARNING "i686-w64-mingw32-g++ not found: the Windows DLL is not built. "
                  "Install it with: apt-get install g++-mingw-w64-i686")
endif()
