#!/usr/bin/env python3
"""Writes a seeded, realistic text corpus in GB2312 or Big5.

Lines of 10 to 60 characters, mostly hanzi, now and then a short run of
ASCII; every code is a valid hanzi of the encoding. Lines are drawn from a
seeded pool, so the same arguments always give the same file.
"""
import argparse
import random

POOL_LINES = 50_000


def hanzi_codes(encoding):
    """Every valid two-byte hanzi code of the encoding's common block."""
    codes = []
    if encoding == "gb2312":
        # Rows 0xB0-0xD7, trail 0xA1-0xFE; the last row ends at 0xD7F9.
        for lead in range(0xB0, 0xD8):
            for trail in range(0xA1, 0xFF):
                if lead == 0xD7 and trail > 0xF9:
                    break
                codes.append(bytes((lead, trail)))
    else:
        # 0xA440-0xC67E, trail 0x40-0x7E and 0xA1-0xFE.
        trails = list(range(0x40, 0x7F)) + list(range(0xA1, 0xFF))
        for lead in range(0xA4, 0xC7):
            for trail in trails:
                if lead == 0xC6 and trail > 0x7E:
                    break
                codes.append(bytes((lead, trail)))
    return codes


def make_pool(encoding, seed):
    rng = random.Random(seed)
    codes = hanzi_codes(encoding)
    ascii_chars = [bytes((c,)) for c in range(0x20, 0x7F)]
    pool = []
    for _ in range(POOL_LINES):
        parts = []
        for _ in range(rng.randint(10, 60)):
            if rng.randrange(12) == 0:
                parts.extend(rng.choices(ascii_chars, k=rng.randint(1, 6)))
            else:
                parts.append(rng.choice(codes))
        pool.append(b"".join(parts))
    return pool


def write_corpus(encoding, megabytes, output, line_end="crlf", seed=20261211):
    """Writes about `megabytes` MiB of text, ending on a line end."""
    pool = make_pool(encoding, seed)
    rng = random.Random(seed + 1)
    end = b"\r\n" if line_end == "crlf" else b"\n"
    target = megabytes * 1024 * 1024
    written = 0
    with open(output, "wb") as out:
        while written < target:
            block = end.join(rng.choices(pool, k=20_000)) + end
            if written + len(block) > target:
                # Ends on a line end, so that no character is cut in two.
                out.write(block[: block.rfind(end, 0, target - written + len(end)) + len(end)])
                break
            out.write(block)
            written += len(block)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("encoding", choices=["gb2312", "big5"])
    parser.add_argument("megabytes", type=int)
    parser.add_argument("output")
    parser.add_argument("--line-end", choices=["crlf", "lf"], default="crlf")
    parser.add_argument("--seed", type=int, default=20261211)
    args = parser.parse_args()
    write_corpus(args.encoding, args.megabytes, args.output, args.line_end, args.seed)


if __name__ == "__main__":
    main()
