# The mingw-w64 cross compilers for 32-bit Windows. The SDK ships this file in lib/cmake/Qerno/,
# so it stands alone: a host project may copy it anywhere.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QERNO_MINGW_TRIPLE i686-w64-mingw32)
# The posix flavour, which has std::thread and std::mutex (GoogleTest needs them).
set(CMAKE_C_COMPILER ${QERNO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QERNO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QERNO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QERNO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
