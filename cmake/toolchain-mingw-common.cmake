# The part of the mingw-w64 cross build that both architectures share; the
# toolchain file of each sets CMAKE_SYSTEM_PROCESSOR and ZORNA_MINGW_PREFIX first.
# The posix thread model lets std::thread and std::mutex compile. Test programs
# run under Wine.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${ZORNA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORNA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORNA_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${ZORNA_MINGW_PREFIX}-objdump)
set(CMAKE_DLLTOOL ${ZORNA_MINGW_PREFIX}-dlltool)

set(CMAKE_FIND_ROOT_PATH /usr/${ZORNA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime is linked in, so that the DLLs and programs need system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
