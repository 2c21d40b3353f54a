# Build options, warnings and sanitizers shared by every target of the project.

option(QI_BUILD_TESTS "Build the test suite" ON)
option(QI_BUILD_BENCH "Build the benchmarks (needs Google Benchmark)" ON)
set(QI_SANITIZE "" CACHE STRING "Sanitizers to build with: empty, 'address,undefined' or 'thread'")
set(QI_TESTDATA_DIR "${CMAKE_CURRENT_SOURCE_DIR}/../shared/testdata"
    CACHE PATH "Folder of third-party GIF test files; tests that need it skip when it is absent")

# The fuzz build (scripts/test-sanitizers.sh turns it on): libFuzzer targets, and every library
# instrumented for them. Other builds, the shipped program's included, carry no fuzzing
# instrumentation.
option(QI_BUILD_FUZZERS "Build the libFuzzer targets and instrument every library for them" OFF)
if(QI_BUILD_FUZZERS AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "QI_BUILD_FUZZERS needs clang (libFuzzer)")
endif()

set(QI_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wconversion -Wno-sign-conversion)
option(QI_WERROR "Treat warnings as errors" OFF)
if(QI_WERROR)
  list(APPEND QI_WARNINGS -Werror)
endif()

if(QI_SANITIZE)
  add_compile_options(-fsanitize=${QI_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${QI_SANITIZE})
endif()

# The fuzzers only find their way through code that reports its coverage: instrument the
# libraries they link too, not just the fuzz targets themselves.
if(QI_BUILD_FUZZERS)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Applies the project's warning set to one of its own targets (never to third-party code).
function(qi_warnings target)
  target_compile_options(${target} PRIVATE ${QI_WARNINGS})
endfunction()

# A static library made of every .cpp file in the calling directory.
function(qi_library target)
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  qi_warnings(${target})
endfunction()
