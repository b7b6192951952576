# Builds this tree once more with clang++ as a sub-build, whatever compiler builds the rest:
# the Qt-free core and its test programs under the address and undefined behaviour
# sanitizers, and the libFuzzer targets over the same core (cmake/sanitizedcore.cmake).
# CTest runs each of those test programs whole (label sanitize) and each fuzz target
# briefly from its seed corpus (label fuzz).
include(ExternalProject)

set(fuzz_targets configuration keypaddata imagedecoder intelhex keymap spelling glossary translationfile)
set(sanitized_test_programs keypadtext_tests model_tests model_alone_tests fileio_tests xmlfiles_tests build_tests
                            checks_tests compare_tests exchange_tests
                            cli_tests)
set(fuzz_binary_dir ${CMAKE_BINARY_DIR}/fuzz)

ExternalProject_Add(fuzz_targets
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${fuzz_binary_dir}
  CMAKE_ARGS
    -DKPD_SANITIZED_CORE=ON
    -DCMAKE_CXX_COMPILER=${KPD_FUZZ_CXX}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    -DCMAKE_PREFIX_PATH=${CMAKE_PREFIX_PATH}
  INSTALL_COMMAND ""
  # The sub-build tracks its own sources; asking it every time keeps it current.
  BUILD_ALWAYS ON)

# GoogleTest's library is not instrumented: a vector it grows through an instantiation of
# ours sees our bounds annotations half applied, and its own test registration is reported as
# an overflow. The fuzz targets, which link no such library, keep the check.
foreach(program ${sanitized_test_programs})
  add_test(NAME sanitize_${program} COMMAND ${fuzz_binary_dir}/bin/${program})
  set_tests_properties(sanitize_${program} PROPERTIES TIMEOUT 600 LABELS sanitize
                       ENVIRONMENT "UBSAN_OPTIONS=print_stacktrace=1;ASAN_OPTIONS=detect_container_overflow=0")
endforeach()

set(KPD_FUZZ_SECONDS 10 CACHE STRING "How long the CTest run of each fuzz target lasts")
foreach(target ${fuzz_targets})
  add_test(NAME fuzz_${target}
    COMMAND ${CMAKE_COMMAND} -DFUZZER=${fuzz_binary_dir}/fuzz_${target}
            -DCORPUS=${CMAKE_CURRENT_LIST_DIR}/corpus/${target} -DWORK=${fuzz_binary_dir}/run/${target}
            -DSECONDS=${KPD_FUZZ_SECONDS} -P ${CMAKE_CURRENT_LIST_DIR}/runfuzz.cmake)
  set_tests_properties(fuzz_${target} PROPERTIES TIMEOUT 300 LABELS fuzz)
endforeach()
