# One-line test registration:
#   vakrel_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [QT])
# builds a GoogleTest program and registers its cases with ctest. QT marks a test of windows:
# its main() makes the QApplication on the offscreen platform when no display is set.
if(BUILD_TESTING)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

function(vakrel_add_test name)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vakrel_test_qt)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vakrel_test_plain)
  endif()
  # GoogleTest's assertions are an if/else of their own, made unambiguous inside the macro; GCC
  # still takes `if (c) EXPECT_EQ(a, b);` for a dangling else.
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-dangling-else>)
  target_compile_definitions(${name} PRIVATE
    VAKREL_EXAMPLES="${PROJECT_SOURCE_DIR}/examples"
    VAKREL_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  # Listed when ctest runs, not at build time, so that building a test program does not run it.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
