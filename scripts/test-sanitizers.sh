#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer (gcc) into
# build-asan/ and runs the whole test suite there, the window's tests on Qt's
# offscreen platform included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The compiler is chosen when build-asan/ is first configured.
CC=gcc CXX=g++ BUILD_DIR=build-asan BUILD_TYPE=Debug scripts/build.sh \
    -DQUENDREL_SANITIZE=ON -DQUENDREL_BUILD_BENCHMARKS=OFF
# Full stacks for every allocation: Qt has no frame pointers, and the leak
# suppressions name the Qt functions that allocate (see scripts/lsan.supp).
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
