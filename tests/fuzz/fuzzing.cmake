# Builds the libFuzzer targets of tests/fuzz with clang++ as a sub-build, whatever compiler
# builds the rest, and gives CTest one short run of each from its seed corpus.
include(ExternalProject)

set(fuzz_targets configuration keypaddata imagedecoder intelhex keymap)
set(fuzz_binary_dir ${CMAKE_BINARY_DIR}/fuzz)

ExternalProject_Add(fuzz_targets
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${fuzz_binary_dir}
  CMAKE_ARGS
    -DCMAKE_CXX_COMPILER=${KPD_FUZZ_CXX}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    -DCMAKE_PREFIX_PATH=${CMAKE_PREFIX_PATH}
    -DKPD_SOURCE_DIR=${PROJECT_SOURCE_DIR}
  INSTALL_COMMAND ""
  # The sub-build tracks its own sources; asking it every time keeps it current.
  BUILD_ALWAYS ON)

set(KPD_FUZZ_SECONDS 30 CACHE STRING "How long the CTest run of each fuzz target lasts")
foreach(target ${fuzz_targets})
  add_test(NAME fuzz_${target}
    COMMAND ${CMAKE_COMMAND} -DFUZZER=${fuzz_binary_dir}/fuzz_${target}
            -DCORPUS=${CMAKE_CURRENT_LIST_DIR}/corpus/${target} -DWORK=${fuzz_binary_dir}/run/${target}
            -DSECONDS=${KPD_FUZZ_SECONDS} -P ${CMAKE_CURRENT_LIST_DIR}/runfuzz.cmake)
  set_tests_properties(fuzz_${target} PROPERTIES TIMEOUT 300 LABELS fuzz)
endforeach()
