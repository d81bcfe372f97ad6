# Shared by the mingw-w64 toolchain files: cross-building for Windows with Debian's mingw-w64
# (posix threads). The including file sets PASTELLE_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${PASTELLE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PASTELLE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PASTELLE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PASTELLE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run under Wine; the wrapper expects the session that tools/wine-session.sh sets up.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh")
