# Cross toolchain shared by the Windows trees: mingw-w64 for TOOLCHAIN_PREFIX (set by the
# including file), test programs run by CTest through Wine. The win32 thread model: its
# libstdc++ sits on the Win32 calls that Windows XP has, where the posix model's winpthread
# imports GetTickCount64 and so keeps every binary from loading on XP.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

# The target's libraries: mingw-w64's own and Debian's mingw packages, and expat, which
# scripts/build-expat builds from Debian's source package (a static library: XML_STATIC).
get_filename_component(expat_prefix ${CMAKE_CURRENT_LIST_DIR}/../build/expat/${TOOLCHAIN_PREFIX}
                       ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX} ${expat_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# pkg-config (which FindEXPAT asks first) describes the target's packages, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${TOOLCHAIN_PREFIX}/lib/pkgconfig)

# scripts/wine-run picks the Wine and the prefix that belong to the tree's architecture.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run ${WINE_TREE})
