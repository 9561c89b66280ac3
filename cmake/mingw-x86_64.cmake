# Cross-build for 64-bit Windows: the same sources, for running the tests under 64-bit Wine,
# which needs no 32-bit host code.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_PREFIX x86_64-w64-mingw32)
set(RUVELIN_WINEARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
