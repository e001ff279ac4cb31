# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the POSIX threads flavour, so that
# std::thread and friends work). Everything is linked statically: the .exe needs no DLL beyond
# those that ship with Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVRIK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVRIK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVRIK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVRIK_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${TAVRIK_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${TAVRIK_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${TAVRIK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_SHARED_LINKER_FLAGS_RELEASE_INIT "-s")

# Host-side packages that have no Windows build of their own: the header-only JSON reader from
# /usr/include (without letting the rest of /usr/include shadow the Windows headers) and
# GoogleTest built from Debian's sources with this compiler.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64/nlohmann_json)
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64/GTest)

# Tests run under Wine, in a prefix of this build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/mingw-w64/wine-run.sh;--prefix=${CMAKE_BINARY_DIR}/wine/headless")
