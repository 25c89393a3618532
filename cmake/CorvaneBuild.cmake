# Shared build settings: warnings as errors, sanitizers, ccache, the linker,
# and the helpers that declare libraries and test programs.

include(CheckLinkerFlag)

# ccache keeps its cache in its own folder (outside the clone).
find_program(CORVANE_CCACHE ccache)
if(CORVANE_CCACHE)
  set(CMAKE_CXX_COMPILER_LAUNCHER "${CORVANE_CCACHE}")
endif()

# lld links the large test programs several times faster than the default linker.
check_linker_flag(CXX "-fuse-ld=lld" CORVANE_HAVE_LLD)
if(CORVANE_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()

set(CORVANE_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough -Werror)

if(CORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(CORVANE_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "CORVANE_FUZZ needs clang++ (libFuzzer)")
endif()

# Every project library, in dependency order; the extra-tests program links them all.
set_property(GLOBAL PROPERTY CORVANE_LIBRARIES "")

# corvane_add_library(<name> SOURCES ... [DEPENDS ...])
# Declares the library of one folder; <name> is the folder's name (corvane_<name>).
function(corvane_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
  add_library(corvane_${name} STATIC ${ARG_SOURCES})
  target_include_directories(corvane_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(corvane_${name} PRIVATE ${CORVANE_WARNINGS})
  if(ARG_DEPENDS)
    target_link_libraries(corvane_${name} PUBLIC ${ARG_DEPENDS})
  endif()
  if(ARG_PRIVATE_DEPENDS)
    target_link_libraries(corvane_${name} PRIVATE ${ARG_PRIVATE_DEPENDS})
  endif()
  set_property(GLOBAL APPEND PROPERTY CORVANE_LIBRARIES corvane_${name})
endfunction()

# ctest runs a test program as one shard for every few of its source files, so
# the shards keep every core busy while each shard pays the program's start-up
# (sanitizers, toolkit) only once.
set(CORVANE_TEST_FILES_PER_SHARD 5 CACHE STRING "Test source files per ctest shard of a test program")

# corvane_add_test_program(<name> SOURCES ... DEPENDS ... [ENVIRONMENT var=value])
# One GoogleTest program per library. ctest runs it as shards <name>/<i>
# (GoogleTest's GTEST_TOTAL_SHARDS/GTEST_SHARD_INDEX): each shard runs every
# n-th test of the program in one process. Run a single test with
# `<program> --gtest_filter=Suite.Name`.
function(corvane_add_test_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${CORVANE_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)

  list(LENGTH ARG_SOURCES fileCount)
  math(EXPR shards "(${fileCount} + ${CORVANE_TEST_FILES_PER_SHARD} - 1) / ${CORVANE_TEST_FILES_PER_SHARD}")
  math(EXPR lastShard "${shards} - 1")
  foreach(shard RANGE ${lastShard})
    add_test(NAME ${name}/${shard} COMMAND ${name})
    set(environment GTEST_TOTAL_SHARDS=${shards} GTEST_SHARD_INDEX=${shard} ${ARG_ENVIRONMENT})
    set_tests_properties(${name}/${shard} PROPERTIES ENVIRONMENT "${environment}")
  endforeach()
endfunction()

function(corvane_add_extra_tests folder)
  file(GLOB_RECURSE extra_sources CONFIGURE_DEPENDS "${folder}/*.cpp" "${folder}/*.cc")
  if(NOT extra_sources)
    message(FATAL_ERROR "CORVANE_EXTRA_TESTS: no test sources in ${folder}")
  endif()
  get_property(libraries GLOBAL PROPERTY CORVANE_LIBRARIES)
  add_executable(corvane_extra_tests ${extra_sources})
  target_include_directories(corvane_extra_tests PRIVATE "${folder}")
  target_link_libraries(corvane_extra_tests PRIVATE ${libraries} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(corvane_extra_tests DISCOVERY_TIMEOUT 60)
endfunction()

if(CORVANE_FUZZ)
  # Coverage for libFuzzer in every library; the entry points link the fuzzer itself.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
