# GoogleTest for the Windows cross build: Debian ships it as source
# (/usr/src/googletest, package googletest), built here with the cross compiler.
set(VELT1_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${VELT1_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${VELT1_GOOGLETEST_SOURCE} (package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${VELT1_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# The cross compiler takes ten times as long at -O3 as at -O1 for GoogleTest
# and the test sources; the libraries under test keep the build's own level.
set(VELT1_TEST_OPTIMIZATION -O1)
foreach(lib gtest gtest_main gmock gmock_main)
  # Its own warning set, not the project's -Werror one.
  set_property(TARGET ${lib} PROPERTY COMPILE_OPTIONS ${VELT1_TEST_OPTIMIZATION})
endforeach()  # its CMakeLists.txt names them GTest::gtest, GTest::gtest_main, ...
include(GoogleTest)

# Every start of a program under Wine costs a Wine process, and listing a
# test program's cases would need Wine at build time: each test program runs
# as one test instead of one per case.
function(gtest_discover_tests target)
  target_compile_options(${target} PRIVATE ${VELT1_TEST_OPTIMIZATION})
  add_test(NAME ${target} COMMAND ${target})
endfunction()
