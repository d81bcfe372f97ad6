# Test helpers shared by every folder.
#   pastelle_add_googletest()                 builds GoogleTest from Debian's sources
#   pastelle_add_test(NAME SOURCES ... LIBS ... [TIMEOUT s] [WATCHDOG s])
#       one GoogleTest program with our own main (hang watchdog, 90 s unless WATCHDOG says
#       otherwise); each test case becomes one ctest test, run natively or under Wine through the
#       cross-compiling emulator. The program
#       sees the source tree's path as PASTELLE_SOURCE_DIR.
include(GoogleTest)

set(PASTELLE_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")

macro(pastelle_add_googletest)
  if(EXISTS "${PASTELLE_GOOGLETEST_DIR}/CMakeLists.txt")
    set(PASTELLE_TESTS ON)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    if(NOT TARGET gtest)
      add_subdirectory("${PASTELLE_GOOGLETEST_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
    endif()
    if(NOT TARGET pastelle_test_main)
      add_library(pastelle_test_main STATIC "${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp")
      target_link_libraries(pastelle_test_main PUBLIC gtest PRIVATE pastelle_warnings)
      target_include_directories(pastelle_test_main PUBLIC "${PROJECT_SOURCE_DIR}")
    endif()
  else()
    message(STATUS "GoogleTest not found in ${PASTELLE_GOOGLETEST_DIR}: tests are not built")
    set(PASTELLE_TESTS OFF)
  endif()
  if(WIN32 AND NOT TARGET pastelle_win_test_util)
    add_library(pastelle_win_test_util STATIC "${PROJECT_SOURCE_DIR}/tests/support/win_test_util.cpp")
    target_include_directories(pastelle_win_test_util PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(pastelle_win_test_util PUBLIC user32 gdi32 PRIVATE pastelle_warnings)
  endif()
endmacro()

function(pastelle_add_test name)
  if(NOT PASTELLE_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "TIMEOUT;WATCHDOG" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} pastelle_test_main pastelle_warnings)
  if(WIN32)
    # Console program so that GoogleTest output reaches ctest through Wine.
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE OFF)
    # Under Wine the source tree is reached through drive Z:.
    target_compile_definitions(${name} PRIVATE PASTELLE_SOURCE_DIR="Z:${PROJECT_SOURCE_DIR}")
  else()
    target_compile_definitions(${name} PRIVATE PASTELLE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  set(environment "")
  if(ARG_WATCHDOG)
    set(environment ENVIRONMENT "PASTELLE_TEST_WATCHDOG=${ARG_WATCHDOG}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT ${ARG_TIMEOUT} FAIL_REGULAR_EXPRESSION "Running 0 tests" ${environment})
endfunction()
