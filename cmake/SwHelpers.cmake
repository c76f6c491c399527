# sw_collect_sources(<var> <dir>...): every .cpp/.h under the given folders.
# Globbing keeps module folders self-contained: adding a class means adding its
# file pair, nothing else.
function(sw_collect_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# sw_has_cpp(<var> <files>...): true when the list holds a translation unit.
function(sw_has_cpp out)
  set(has FALSE)
  foreach(f IN LISTS ARGN)
    if(f MATCHES "\\.cpp$")
      set(has TRUE)
    endif()
  endforeach()
  set(${out} ${has} PARENT_SCOPE)
endfunction()

# sw_test_program(<name> LINKS <targets>...): one GoogleTest program of the
# .cpp/.h files in the calling folder (not its subfolders), linking the layers
# it tests and the shared test support, registered with CTest.
function(sw_test_program name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  # Where a test finds the fixture files kept beside its sources.
  target_compile_definitions(${name} PRIVATE SW_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} sw_testsupport)
  add_dependencies(${name} sw_data)
  # One variable only: the discovered tests' properties are written out as a
  # flat list, so a second variable would be taken for a property name. The
  # offscreen platform is the test main's own default.
  # The test's own LSAN_OPTIONS replaces any inherited one, so every leak
  # checker option lives here. use_tls=0: the leak checker of Debian 12's
  # compilers misreads glibc's dynamic thread-local blocks and crashes after a
  # test that loaded a library with thread-local data (the print system's);
  # what such libraries keep only there is then reported as leaked, and is
  # suppressed.
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${SW_BIN_DIR}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/.ci/lsan.supp:print_suppressions=0:use_tls=0"
               TIMEOUT 300)
endfunction()
