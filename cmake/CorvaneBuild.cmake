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
# What the include check reads: one line per library or program (see
# corvane_add_include_check).
set_property(GLOBAL PROPERTY CORVANE_INCLUDE_UNITS "")

# corvane_note_include_unit(<kind> <name> <places> <deps>)
# Records a library (kind "library", places: its folder) or a program (kind
# "program", places: its source files, or a folder ending in "/" for every
# source and header directly in it) with the project libraries it names.
# Places are relative to the calling folder.
function(corvane_note_include_unit kind name places deps)
  set(where "")
  foreach(place IN LISTS places)
    set(slash "")
    if(place MATCHES "/$")
      set(slash "/")
    endif()
    cmake_path(ABSOLUTE_PATH place BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE)
    file(RELATIVE_PATH place "${PROJECT_SOURCE_DIR}" "${place}")
    string(REGEX REPLACE "/$" "" place "${place}")
    list(APPEND where "${place}${slash}")
  endforeach()
  list(FILTER deps INCLUDE REGEX "^corvane_")
  list(JOIN deps "," deps)
  list(JOIN where "," where)
  set_property(GLOBAL APPEND PROPERTY CORVANE_INCLUDE_UNITS "${kind}|${name}|${where}|${deps}")
endfunction()

# corvane_add_library(<name> SOURCES ... [DEPENDS ...])
# Declares the library of one folder; <name> is the folder's name (corvane_<name>).
function(corvane_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
  # Dependencies point down only: a library names only libraries declared
  # before it, so no two libraries can reach each other.
  foreach(dep IN LISTS ARG_DEPENDS ARG_PRIVATE_DEPENDS)
    if(dep MATCHES "^corvane_" AND NOT TARGET ${dep})
      message(FATAL_ERROR "corvane_${name} depends on ${dep}, which is not declared before it")
    endif()
  endforeach()
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
  corvane_note_include_unit(library corvane_${name} "." "${ARG_DEPENDS};${ARG_PRIVATE_DEPENDS}")
endfunction()

# ctest runs a test program as one shard for every few of its source files, so
# the shards keep every core busy while each shard pays the program's start-up
# (sanitizers, toolkit) only once.
set(CORVANE_TEST_FILES_PER_SHARD 5 CACHE STRING "Test source files per ctest shard of a test program")

# The test programs compile in batches: every few of a program's source files
# are included into one generated file (CMake's unity build) and compiled as
# one unit, which costs far less than compiling them one by one. Each test
# file keeps its own names in a namespace named after the file, so files of a
# batch do not see each other's helpers (CONTRIBUTING.md).
set(CORVANE_TEST_UNITY_BATCH 8 CACHE STRING "Test source files compiled as one unit (0: all of a program's files, 1: each alone)")

# corvane_add_test_program(<name> SOURCES ... DEPENDS ... [ENVIRONMENT var=value])
# One GoogleTest program per library. ctest runs it as shards <name>/<i>
# (GoogleTest's GTEST_TOTAL_SHARDS/GTEST_SHARD_INDEX): each shard runs every
# n-th test of the program in one process. Run a single test with
# `<program> --gtest_filter=Suite.Name`.
function(corvane_add_test_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${CORVANE_WARNINGS})
  if(NOT CORVANE_TEST_UNITY_BATCH EQUAL 1)
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${CORVANE_TEST_UNITY_BATCH})
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
  # Pictures and files the tests leave for people to look at go here, never
  # into the folder the program runs in (tests/platform/TestOutput.h).
  target_compile_definitions(${name} PRIVATE "CORVANE_TEST_OUTPUT_DIR=\"${CMAKE_CURRENT_BINARY_DIR}/output\"")
  # The program owns its folder: its headers are checked with its sources.
  corvane_note_include_unit(program ${name} "./" "${ARG_DEPENDS}")

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

# corvane_add_include_check()
# After every library and program is declared: the test that every include
# of a project library's header names that library among the dependencies,
# directly for a library's own files and reachable for a program's.
function(corvane_add_include_check)
  get_property(units GLOBAL PROPERTY CORVANE_INCLUDE_UNITS)
  list(JOIN units "\n" content)
  set(manifest "${PROJECT_BINARY_DIR}/include-check/units.txt")
  file(GENERATE OUTPUT "${manifest}" CONTENT "${content}\n")
  add_test(NAME build.library_includes
      COMMAND ${CMAKE_COMMAND} -DSOURCE_ROOT=${PROJECT_SOURCE_DIR} -DMANIFEST=${manifest}
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckLibraryIncludes.cmake)
endfunction()

if(CORVANE_FUZZ)
  # Coverage for libFuzzer in every library; the entry points link the fuzzer itself.
  # Like the test build, the first sanitizer report ends the run, so
  # libFuzzer keeps the input that caused it.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
