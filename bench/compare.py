#!/usr/bin/env python3
"""Times quendrel-convert against iconv on the same files and reports peak memory.

Both programs read the same corpus file and write their output to the same
scratch file; the runs alternate, and the figures are medians, because the
machine's speed varies from run to run.
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import time

import make_corpus

DIRECTIONS = [
    # (name, corpus encoding, our option, iconv from, iconv to)
    ("GB2312 to Big5", "gb2312", "--gb-to-big5", "GB2312", "BIG5"),
    ("Big5 to GB2312", "big5", "--big5-to-gb", "BIG5", "GB2312"),
]


def corpus_file(folder, encoding, megabytes, line_end="crlf"):
    name = os.path.join(folder, f"{encoding}-{megabytes}MB-{line_end}.txt")
    if not os.path.exists(name):
        print(f"Writing {name} ...", flush=True)
        make_corpus.write_corpus(encoding, megabytes, name, line_end)
    return name


def commands(program, direction, source):
    _, _, option, from_code, to_code = direction
    return {
        "quendrel-convert": [program, option, source],
        "iconv": ["iconv", "-c", "-f", from_code, "-t", to_code, source],
    }


def timed_run(command, output):
    with open(output, "wb") as out:
        start = time.perf_counter()
        result = subprocess.run(command, stdout=out, stderr=subprocess.DEVNULL)
        elapsed = time.perf_counter() - start
    # iconv -c exits with 1 when it has skipped a character it cannot map.
    allowed = (0, 1) if command[0] == "iconv" else (0,)
    if result.returncode not in allowed:
        sys.exit(f"{' '.join(command)} failed with status {result.returncode}")
    return elapsed


def peak_rss_kb(command, output):
    with open(output, "wb") as out:
        result = subprocess.run(["/usr/bin/time", "-v"] + command, stdout=out,
                                stderr=subprocess.PIPE, text=True)
    found = re.search(r"Maximum resident set size \(kbytes\): (\d+)", result.stderr)
    if not found:
        sys.exit(f"no peak memory from /usr/bin/time for {' '.join(command)}")
    return int(found.group(1))


def mb_per_s(size, seconds):
    return size / seconds / 1e6


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True, help="the quendrel-convert to time")
    parser.add_argument("--corpus", required=True, help="folder of the corpus files")
    parser.add_argument("--megabytes", type=int, default=100)
    parser.add_argument("--big-megabytes", type=int, default=1024)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    os.makedirs(args.corpus, exist_ok=True)
    scratch = os.path.join(args.corpus, "output.tmp")

    print(f"\nTimes, median of {args.runs} alternating runs, output to a file; iconv runs")
    print("with -c, so that it skips the characters it cannot map instead of stopping.\n")
    print(f"{'direction':16} {'quendrel-convert':>22} {'iconv -c':>22} {'iconv/ours':>11}")
    sources = {}
    for direction in DIRECTIONS:
        source = corpus_file(args.corpus, direction[1], args.megabytes)
        sources[direction] = source
        size = os.path.getsize(source)
        times = {"quendrel-convert": [], "iconv": []}
        for _ in range(args.runs):
            for name, command in commands(args.program, direction, source).items():
                times[name].append(timed_run(command, scratch))
        ours = statistics.median(times["quendrel-convert"])
        theirs = statistics.median(times["iconv"])
        print(f"{direction[0]:16} {ours:8.3f} s {mb_per_s(size, ours):6.0f} MB/s"
              f" {theirs:8.3f} s {mb_per_s(size, theirs):6.0f} MB/s {theirs / ours:10.2f}x",
              flush=True)

    print("\nPeak resident memory (/usr/bin/time -v):\n")
    for direction, source in sources.items():
        for name, command in commands(args.program, direction, source).items():
            print(f"{direction[0]:16} {name:17} {round(os.path.getsize(source) / 2**20):5} MB file"
                  f" {peak_rss_kb(command, scratch) / 1024:9.1f} MB", flush=True)

    big = os.path.join(args.corpus, f"gb2312-{args.big_megabytes}MB-lf.tmp")
    print(f"Writing {big}: LF line ends only, so the whole file is one line ...", flush=True)
    try:
        make_corpus.write_corpus("gb2312", args.big_megabytes, big, "lf")
        for name, command in commands(args.program, DIRECTIONS[0], big).items():
            print(f"{DIRECTIONS[0][0]:16} {name:17} {args.big_megabytes:5} MB line"
                  f" {peak_rss_kb(command, os.devnull) / 1024:9.1f} MB", flush=True)
    finally:
        os.remove(big)
        if os.path.exists(scratch):
            os.remove(scratch)


if __name__ == "__main__":
    main()
