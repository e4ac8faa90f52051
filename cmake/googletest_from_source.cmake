# GoogleTest is not packaged for mingw-w64: build Debian's sources inside the
# cross build, as system headers so our warnings-as-errors don't reach them.
set(TELLUX_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${TELLUX_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# It names its targets GTest::gtest and GTest::gtest_main, as find_package(GTest) does.
