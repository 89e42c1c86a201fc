# Warnings that apply to every target built from our own sources.
function(voltaro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
    -Wshadow -Wconversion -Wpedantic -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # clang's -Wconversion also covers sign changes, and clang knows warnings gcc does not
    # have; the sources follow gcc's set (the fuzz build is the one clang build).
    target_compile_options(${target} PRIVATE -Wno-sign-conversion -Wno-unused-private-field)
  endif()
endfunction()

# One GoogleTest executable per test folder: every .cpp in the folder (not below it).
# Each test case becomes its own CTest entry carrying the given label.
#   voltaro_test_dir(NAME DIR LABEL LIBRARIES... [PROGRAMS TARGETS...])
# PROGRAMS names the programs or modules that the tests run or load from the build's bin
# folder: the executable depends on them, and its tests require the "programs" fixture,
# which brings them up to date before any test runs them.
# With VOLTARO_THREAD_TESTS_ONLY, only the programs listed in VOLTARO_THREADED_TESTS are made.
function(voltaro_test_dir name dir label)
  cmake_parse_arguments(PARSE_ARGV 3 arg "" "" "PROGRAMS")
  if(VOLTARO_THREAD_TESTS_ONLY AND NOT name IN_LIST VOLTARO_THREADED_TESTS)
    return()
  endif()
  file(GLOB _sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT _sources)
    message(FATAL_ERROR "test folder ${dir} has no sources")
  endif()
  add_executable(${name} ${_sources})
  voltaro_warnings(${name})
  target_link_libraries(${name} PRIVATE ${arg_UNPARSED_ARGUMENTS}
    GTest::gtest GTest::gmock GTest::gtest_main Threads::Threads)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    VOLTARO_BINARY_DIR="${PROJECT_BINARY_DIR}"
    VOLTARO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(_fixture)
  if(arg_PROGRAMS)
    add_dependencies(${name} ${arg_PROGRAMS})
    set(_fixture FIXTURES_REQUIRED programs)
  endif()
  # Backups and the audit log of downloads go to the build tree, never the user's own.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${label} TIMEOUT 120 ${_fixture}
      ENVIRONMENT XDG_DATA_HOME=${PROJECT_BINARY_DIR}/test-data)
endfunction()
