# The same sources for 64-bit Windows: the tree that runs the Windows tests under 64-bit Wine
# on machines that run no 32-bit code. Nothing built here ships.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(WINE_TREE --win64)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
