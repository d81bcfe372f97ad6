# Programs of this project that run during the build, on the build machine.
#   pastelle_build_machine_program(VAR TARGET)
#       sets VAR to the command that runs TARGET's program on the build machine, and VAR_DEPENDS
#       to what a custom command running it depends on. A native build uses its own TARGET; a
#       cross build makes TARGET in a nested build of this project with the build machine's
#       compilers.
include(ExternalProject)

find_program(PASTELLE_BUILD_MACHINE_CC NAMES clang cc gcc DOC "C compiler for programs run during the build")
find_program(PASTELLE_BUILD_MACHINE_CXX NAMES clang++ c++ g++ DOC "C++ compiler for programs run during the build")

function(pastelle_build_machine_program var target)
  if(NOT CMAKE_CROSSCOMPILING)
    set(${var} ${target} PARENT_SCOPE)
    set(${var}_DEPENDS ${target} PARENT_SCOPE)
    return()
  endif()
  set(dir "${CMAKE_BINARY_DIR}/build-machine/${target}")
  set(program "${dir}/bin/${target}${CMAKE_HOST_EXECUTABLE_SUFFIX}")
  if(NOT TARGET ${target}_for_build)
    ExternalProject_Add(${target}_for_build
      SOURCE_DIR "${PROJECT_SOURCE_DIR}"
      BINARY_DIR "${dir}"
      CMAKE_ARGS
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_C_COMPILER=${PASTELLE_BUILD_MACHINE_CC}
        -DCMAKE_CXX_COMPILER=${PASTELLE_BUILD_MACHINE_CXX}
        -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${dir}/bin
        -DPASTELLE_WARNINGS_AS_ERRORS=${PASTELLE_WARNINGS_AS_ERRORS}
      BUILD_COMMAND ${CMAKE_COMMAND} --build "${dir}" --target ${target}
      INSTALL_COMMAND ""
      BUILD_ALWAYS TRUE
      LOG_CONFIGURE TRUE
      LOG_BUILD TRUE
      LOG_OUTPUT_ON_FAILURE TRUE
      EXCLUDE_FROM_ALL TRUE
      BUILD_BYPRODUCTS "${program}")
  endif()
  set(${var} "${program}" PARENT_SCOPE)
  set(${var}_DEPENDS "${program}" ${target}_for_build PARENT_SCOPE)
endfunction()
