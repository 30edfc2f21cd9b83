#!/usr/bin/env bash
# Builds quendrel-convert and the Convert benchmark in Release into
# build-bench/, times quendrel-convert against iconv on a seeded corpus of
# 100 MB per encoding (kept in bench/corpus/), reports peak memory, also for
# a 1 GB file of one line, and runs the Convert benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v iconv >/dev/null || { echo "iconv is missing (Debian package libc-bin)" >&2; exit 1; }
[ -x /usr/bin/time ] || scripts/install-deps.sh
build_dir="${BUILD_DIR:-build-bench}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DQUENDREL_BUILD_GUI=OFF \
    -DQUENDREL_BUILD_TESTS=OFF -DQUENDREL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target quendrel-convert convert_benchmark >/dev/null

python3 bench/compare.py --program "$build_dir/cli/quendrel-convert" --corpus bench/corpus "$@"

echo
echo "Convert alone (Google Benchmark, median of 5):"
"$build_dir/bench/convert_benchmark" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_filter='.*' 2>&1 | grep -E '^Benchmark|_median'
