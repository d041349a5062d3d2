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

# kavrin_calculator(CALC <target> INTO <deliverable> PREFIX <test prefix> [LIBS ...]):
# the calculation code of one subsystem folder (calc/*.cpp) as a static
# library that links only the UI-free base and common code; the folder's
# dialog sources (*.cpp beside calc/) are built into the deliverable INTO.
# Tests: tests/calc_*_test.cpp link the calc library alone, tests/dlg_*_test.cpp
# the deliverable and the scripted backend; one program per file.
function(kavrin_calculator)
  cmake_parse_arguments(KC "" "CALC;INTO;PREFIX" "LIBS;DLG_LIBS" ${ARGN})
  file(GLOB calc CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/calc/*.cpp)
  kavrin_nonempty_sources(calc)
  add_library(${KC_CALC} STATIC ${calc})
  target_include_directories(${KC_CALC} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${KC_CALC} PUBLIC KavrinCommon FrameworkBase ${KC_LIBS})
  file(GLOB dialogs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(dialogs)
    target_sources(${KC_INTO} PRIVATE ${dialogs})
  endif()
  target_link_libraries(${KC_INTO} PUBLIC ${KC_CALC})
  file(GLOB calc_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/calc_*_test.cpp)
  foreach(src ${calc_tests})
    get_filename_component(name ${src} NAME_WE)
    kavrin_test(${KC_PREFIX}_${name} SOURCES ${src} LIBS ${KC_CALC})
  endforeach()
  file(GLOB dlg_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/dlg_*_test.cpp)
  foreach(src ${dlg_tests})
    get_filename_component(name ${src} NAME_WE)
    kavrin_test(${KC_PREFIX}_${name} SOURCES ${src} LIBS ${KC_INTO} FrameworkTesting ${KC_DLG_LIBS})
  endforeach()
endfunction()
