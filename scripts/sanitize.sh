#!/usr/bin/env bash
# Builds everything with the address and undefined behaviour sanitizers into out-sanitize/
# and runs the whole suite there, widget tests included: for a developer before a large
# change (scripts/test.sh runs only the core's test programs sanitized). Any further
# arguments go to ctest, e.g. scripts/sanitize.sh -R shell_tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Also while building: the test lists are read by starting each test program.
export ASAN_OPTIONS=detect_stack_use_after_return=1:strict_init_order=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitize/leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1
cmake -S . -B out-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKPD_SANITIZE=ON -DKPD_FUZZ=OFF >/dev/null
cmake --build out-sanitize -j2
cd out-sanitize
# The fuzz targets and the sanitized core tests belong to the clang sub-build, off here.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 -LE 'fuzz|sanitize' "$@"
