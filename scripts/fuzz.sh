#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and fuzzes each for
# SECONDS (default 60), starting from the seed corpus in fuzz/corpus/.
# New inputs go to build-fuzz/corpus/, crashes to build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
targets=(convert convert_file streaming)

scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUENDREL_FUZZ=ON -DQUENDREL_BUILD_GUI=OFF -DQUENDREL_BUILD_TESTS=OFF \
    -DQUENDREL_BUILD_BENCHMARKS=OFF
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p build-fuzz/artifacts
summary=()
for target in "${targets[@]}"; do
    work="build-fuzz/corpus/$target"
    mkdir -p "$work"
    log="build-fuzz/fuzz_$target.log"
    echo "== fuzz_$target for $seconds s"
    # The first folder takes the new inputs; the committed seeds stay as they are.
    if ! "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/"$target"- \
        "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target failed; the input is in build-fuzz/artifacts/" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || true
    summary+=("fuzz_$target: $runs inputs in $seconds s")
done
printf '%s\n' "${summary[@]}"
echo "fuzz: ${#targets[@]} passed, 0 failed"
