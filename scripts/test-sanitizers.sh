#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
# and runs the whole test suite there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=build-asan BUILD_TYPE=Debug scripts/build.sh -DQUENDREL_SANITIZE=ON -DQUENDREL_BUILD_BENCHMARKS=OFF
# Leaks are reported for our code only: Qt and fontconfig keep caches for the
# life of the process on purpose.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
