# Fuzz targets: one source file per reader of untrusted bytes, defining
# LLVMFuzzerTestOneInput. Its seed corpus is fuzz/corpus/<name>/.
#
# kavrin_fuzz_target(<name> SOURCE <file.cpp> LIBS <libraries>...)
#
# - KAVRIN_FUZZ=ON (clang): fuzz_<name> is a libFuzzer program, run by
#   scripts/fuzz.sh.
# - otherwise, with tests: fuzz_<name> links our corpus driver (fuzz/driver.cpp)
#   and ctest runs it once over its corpus (test fuzz_corpus_<name>), in the
#   ordinary sanitizer build, so every reproducer kept in the corpus stays fixed.
#
# A calculator adds its record loader's target with one line in
# fuzz/CMakeLists.txt and a folder of seed files in fuzz/corpus/<name>/.
function(kavrin_fuzz_target name)
  cmake_parse_arguments(KF "" "SOURCE" "LIBS" ${ARGN})
  if(KAVRIN_FUZZ)
    add_executable(fuzz_${name} ${KF_SOURCE})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  elseif(KAVRIN_TESTS)
    add_executable(fuzz_${name} ${KF_SOURCE} ${PROJECT_SOURCE_DIR}/fuzz/driver.cpp)
    add_test(NAME fuzz_corpus_${name}
             COMMAND fuzz_${name} ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  else()
    return()
  endif()
  target_include_directories(fuzz_${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/fuzz)
  target_link_libraries(fuzz_${name} PRIVATE ${KF_LIBS})
  set_property(GLOBAL APPEND PROPERTY KAVRIN_FUZZ_TARGETS fuzz_${name})
endfunction()
