# GoogleTest and GoogleMock for the Windows cross-build, compiled from Debian's sources
# (package googletest) with the same toolchain as the programs they test. Debian's prebuilt
# libraries are for Linux only.
set(QH_GOOGLETEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
if(NOT EXISTS "${QH_GOOGLETEST_SOURCE}/googletest/src/gtest-all.cc")
  message(FATAL_ERROR "GoogleTest sources not found in ${QH_GOOGLETEST_SOURCE} "
                      "(install the Debian package googletest)")
endif()

if(NOT TARGET qh_gtest)
  set(gtest_dir "${QH_GOOGLETEST_SOURCE}/googletest")
  set(gmock_dir "${QH_GOOGLETEST_SOURCE}/googlemock")
  # The single-file builds include every other source; the library's own include paths
  # let them find their private headers. SYSTEM keeps our warning flags off their headers.
  add_library(qh_gtest STATIC "${gtest_dir}/src/gtest-all.cc")
  target_include_directories(qh_gtest SYSTEM PUBLIC "${gtest_dir}/include")
  target_include_directories(qh_gtest PRIVATE "${gtest_dir}")
  add_library(qh_gmock STATIC "${gmock_dir}/src/gmock-all.cc")
  target_include_directories(qh_gmock SYSTEM PUBLIC "${gmock_dir}/include")
  target_include_directories(qh_gmock PRIVATE "${gmock_dir}")
  target_link_libraries(qh_gmock PUBLIC qh_gtest)
  add_library(qh_gtest_main STATIC "${gtest_dir}/src/gtest_main.cc")
  target_link_libraries(qh_gtest_main PUBLIC qh_gtest)
  find_package(Threads REQUIRED)
  target_link_libraries(qh_gtest PUBLIC Threads::Threads)

  add_library(GTest::gtest ALIAS qh_gtest)
  add_library(GTest::gmock ALIAS qh_gmock)
  add_library(GTest::gtest_main ALIAS qh_gtest_main)
endif()

# Test discovery runs the test programs under Wine; the first start of a Wine prefix is slow.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
