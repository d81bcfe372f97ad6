# Test helpers shared by every folder.
#   pastelle_add_googletest()                 builds GoogleTest from Debian's sources
#   pastelle_add_test(NAME SOURCES ... LIBS ... [TIMEOUT s] [WATCHDOG s] [NO_DESKTOP])
#       one GoogleTest program with our own main (hang watchdog, 90 s unless WATCHDOG says
#       otherwise); each test case becomes one ctest test, run natively or under Wine through the
#       cross-compiling emulator. The program
#       sees the source tree's path as PASTELLE_SOURCE_DIR. In the 64-bit Windows build its C++
#       objects live above 4 GB (tests/support/high_heap.cpp). A Windows test needs a desktop of
#       its own (display, focus, clipboard) for as long as it runs: ctest gives it one of the
#       session's desktops (resource "desktop", tools/wine-session.sh); one marked NO_DESKTOP
#       (it shows no window, takes no focus, uses no clipboard) runs beside them.
include(GoogleTest)

set(PASTELLE_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")

# Windows test programs built on Linux run under Wine, which reaches the Linux file system through
# drive Z:; built on Windows they see the source tree's own path.
if(WIN32 AND NOT CMAKE_HOST_WIN32)
  set(PASTELLE_TEST_DRIVE "Z:")
else()
  set(PASTELLE_TEST_DRIVE "")
endif()

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
  if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8 AND NOT TARGET pastelle_high_heap)
    add_library(pastelle_high_heap OBJECT "${PROJECT_SOURCE_DIR}/tests/support/high_heap.cpp")
    target_include_directories(pastelle_high_heap PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(pastelle_high_heap PRIVATE pastelle_warnings)
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
  cmake_parse_arguments(ARG "NO_DESKTOP" "TIMEOUT;WATCHDOG" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} pastelle_test_main pastelle_warnings)
  if(TARGET pastelle_high_heap)
    target_link_libraries(${name} PRIVATE pastelle_high_heap)
  endif()
  if(WIN32)
    # Console program so that GoogleTest output reaches ctest through Wine.
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE OFF)
  endif()
  target_compile_definitions(${name} PRIVATE PASTELLE_SOURCE_DIR="${PASTELLE_TEST_DRIVE}${PROJECT_SOURCE_DIR}")
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  set(environment "")
  if(ARG_WATCHDOG)
    set(environment ENVIRONMENT "PASTELLE_TEST_WATCHDOG=${ARG_WATCHDOG}")
  endif()
  set(desktop "")
  if(WIN32 AND NOT ARG_NO_DESKTOP)
    set(desktop RESOURCE_GROUPS desktop:1)
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_CROSSCOMPILING_EMULATOR};--desktop")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT ${ARG_TIMEOUT} FAIL_REGULAR_EXPRESSION "Running 0 tests" ${environment} ${desktop})
endfunction()
