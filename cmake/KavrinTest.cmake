# kavrin_test(NAME SOURCES... LIBS ...): one GoogleTest executable, run by ctest.
# Tests never see the developer's own registry or home folder.
function(kavrin_test name)
  if(NOT KAVRIN_TESTS)
    return()
  endif()
  cmake_parse_arguments(KT "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${KT_SOURCES} ${KT_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${KT_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE KAVRIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(env "KAVRIN_TEST_TMP=${CMAKE_BINARY_DIR}/test-tmp" ${KT_ENV})
  string(REPLACE ";" "\\;" env "${env}")
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${env}")
endfunction()

# A library whose folder holds no sources yet still builds (an empty stub).
function(kavrin_nonempty_sources var)
  if(NOT ${var})
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/empty_stub.cpp)
    if(NOT EXISTS ${stub})
      file(WRITE ${stub} "// no sources yet\n")
    endif()
    set(${var} ${stub} PARENT_SCOPE)
  endif()
endfunction()
