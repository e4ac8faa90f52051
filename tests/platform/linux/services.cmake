# Tests of the Linux clock and settings services, run against the real
# kernel clock and a scratch directory.

add_executable(tellux_linux_service_tests
  ${CMAKE_CURRENT_LIST_DIR}/linux_clock_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_settings_test.cpp)
target_link_libraries(tellux_linux_service_tests PRIVATE tellux_platform_linux tellux_test_doubles
  GTest::gtest_main
  tellux_warnings)
target_compile_features(tellux_linux_service_tests PRIVATE cxx_std_20)
gtest_discover_tests(tellux_linux_service_tests DISCOVERY_MODE PRE_TEST)
