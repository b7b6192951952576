# The clang sub-build (tests/fuzz/fuzzing.cmake): the Qt-free core, the test programs over
# it and the libFuzzer targets, all under the address and undefined behaviour sanitizers.
# The core is also instrumented for the fuzzer's coverage; the fuzz targets and the tests
# link the same objects, so the core is compiled once for both.

# Undefined behaviour aborts instead of printing and going on, so the fuzzer and the tests
# count it; std::vector tells the address sanitizer where its elements end, so a read past
# size() within the capacity is caught too.
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
add_compile_options(-O1 -gline-tables-only -fno-omit-frame-pointer ${sanitizers})
add_compile_definitions(_GLIBCXX_SANITIZE_VECTOR=1)
add_link_options(${sanitizers})

find_package(GTest REQUIRED)
enable_testing()
include(GoogleTest)
# The main build runs these programs whole (label sanitize); listing their tests would
# start every one of them during the build.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
include(cmake/precompiledheaders.cmake)

add_compile_options(-fsanitize=fuzzer-no-link)
foreach(dir src/install src/platform src/keypadtext src/model src/fileio src/xmlfiles src/build src/checks
            src/compare src/exchange src/cli)
  add_subdirectory(${dir})
endforeach()
get_property(options DIRECTORY PROPERTY COMPILE_OPTIONS)
list(REMOVE_ITEM options -fsanitize=fuzzer-no-link)
set_property(DIRECTORY PROPERTY COMPILE_OPTIONS ${options})

add_subdirectory(tests)
