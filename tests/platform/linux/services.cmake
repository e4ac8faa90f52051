# Tests of the Linux clock, locale, general date form and settings services,
# run against the real kernel clock, ICU data and a scratch directory.

add_executable(tellux_linux_service_tests
  ${CMAKE_CURRENT_LIST_DIR}/linux_clock_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icu_locale_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icu_date_services_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reading_literals_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_digits_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/readable_time_pattern_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unicode_digits_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_settings_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memo_locale_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/seconds_splice_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memo_date_services_test.cpp)
target_link_libraries(tellux_linux_service_tests PRIVATE tellux_platform_linux tellux_test_doubles
  GTest::gtest_main
  tellux_warnings)
target_compile_features(tellux_linux_service_tests PRIVATE cxx_std_20)
gtest_discover_tests(tellux_linux_service_tests DISCOVERY_MODE PRE_TEST)
