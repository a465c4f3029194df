# The shipped binaries: 32-bit Windows, as the simulator loads them; tests run under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(WINE_TREE --win32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
