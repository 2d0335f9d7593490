#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer (with its leak check) and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs it with CTest; any report fails it.
# CN3_JOBS sets the build's parallel jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCN3_SANITIZE=ON >/dev/null
nice cmake --build build-sanitize -j "${CN3_JOBS:-$(nproc)}"
cd build-sanitize
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/../tests/sanitize/lsan.supp:print_suppressions=0"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
