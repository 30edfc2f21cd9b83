#!/usr/bin/env python3
"""Generates the code tables GB2BIG, BIG2GB, DUPCODE and DUPDATA.

Usage: make_tables.py [OUTPUT_DIR]   (default: the folder of this script)

Sources, all from installed Debian data packages:
  locales       glibc charmaps GB2312 and BIG5 (byte code <-> Unicode)
  unicode-data  Unihan kGB0/kBigFive (cross-check), kTraditionalVariant,
                kSimplifiedVariant; UnicodeData.txt (width/vertical/small forms)
  opencc        STCharacters / TSCharacters (simplified <-> traditional)

Layout of a table: dense two-byte entries from the first code to the last,
target code lead byte first, 0x20 0x20 where there is no counterpart.
The output depends only on the data files, so every run gives the same bytes.
"""

import bz2
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile

CHARMAPS = "/usr/share/i18n/charmaps"
UNICODE = "/usr/share/unicode"
OPENCC_DIR = "/usr/share/opencc"

GB_BASE, GB_LAST = 0xA1A1, 0xFFFE
BIG5_BASE, BIG5_LAST = 0xA140, 0xF9FE
NONE = 0x2020

# Big5 0xC6A1..0xC8FE holds vendor extensions (kana, circled numbers...)
# that not every Big5 system agrees on; the tables leave it empty.
BIG5_AREA = (0xC6A1, 0xC8FE)
# Big5 level 1, the frequent characters.
BIG5_LEVEL1 = (0xA440, 0xC67E)

# Compatibility forms that are the same symbol drawn differently. Wider
# folding (<compat>, <circle>...) would send (1) or 1. to a plain digit.
FOLD_TAGS = {"<wide>", "<narrow>", "<vertical>", "<small>"}

# Facts of the correspondence that no rule gives, each with its reason.
# GB2312 characters kept without counterpart although Big5 has the glyph;
# the Big5 character then has none either.
UNMAPPED = [
    # Big5 has the caron only as the bopomofo tone mark 0xA3BE; GB2312 tone
    # marks are not sent to the bopomofo tone marks (see ˉ below), and
    # Big5 has no other glyph for it.
    "\u02C7",  # ˇ 0xA1A6
    # Both encodings have 踹 (GB2312 0xF5DF, Big5 0xBFE5), but the
    # correspondence that converted text is expected to match leaves it out.
    "\u8E39",  # 踹
]

# The nine cases where two GB2312 codes share one Big5 counterpart:
# (GB2312 characters, Big5 character).
SHARED = [
    # 叁 is the anti-fraud form of 三; Big5 has no 叄, and text writes 三.
    (("\u4E09", "\u53C1"), "\u4E09"),  # 三 叁 -> 三 0xA454
    # Both are simplified forms of 鹼.
    (("\u78B1", "\u7877"), "\u9E7C"),  # 碱 硷 -> 鹼 0xC650
    # 着 split from 著 in simplification; Big5 writes 著 for both.
    (("\u8457", "\u7740"), "\u8457"),  # 著 着 -> 著 0xB5DB
    # Big5 has no n-ary operators; the Greek capitals stand for them.
    (("\u2211", "\u03A3"), "\u03A3"),  # ∑ Σ -> Σ 0xA355
    (("\u220F", "\u03A0"), "\u03A0"),  # ∏ Π -> Π 0xA353
    # Big5 has no logical-and sign; Λ has its shape.
    (("\u2227", "\u039B"), "\u039B"),  # ∧ Λ -> Λ 0xA34E
    # Big5 has no full-width apostrophe; the prime looks the same.
    (("\u2032", "\uFF07"), "\u2032"),  # ′ ＇ -> ′ 0xA1AC
    # Big5 has no horizontal bar; the box-drawing line looks the same.
    (("\u2015", "\u2500"), "\u2500"),  # ― ─ -> ─ 0xA277
    # The first-tone mark and the full-width macron both print as the
    # Big5 macron 0xA1C2, not as the bopomofo tone mark 0xA3BC or the
    # full-width macron 0xA1C3.
    (("\u02C9", "\uFFE3"), "\u00AF"),  # ˉ ￣ -> ‾ 0xA1C2
]

# Counts the tables aim at, printed beside the counts reached.
STATED = {
    "GB2BIG entries carrying a Big5 code": 6735,
    "GB2312 codes holding spaces": 710,
    "primary codes in BIG2GB": 6726,
    "alternative pairs": 248,
    "GB2312 codes with alternatives": 228,
    "BIG2GB entries carrying a GB2312 code": 6974,
}


def load_charmap(name):
    """Two-byte codes of a glibc charmap -> code point."""
    table = {}
    line_re = re.compile(r"^<U([0-9A-F]{4,6})>\s+/x([0-9a-f]{2})/x([0-9a-f]{2})\s")
    with gzip.open(os.path.join(CHARMAPS, name + ".gz"), "rt", encoding="ascii") as f:
        for line in f:
            if line.startswith("END CHARMAP"):
                break
            # Commented %IRREVERSIBLE% lines are one-way duplicates: skipped.
            m = line_re.match(line)
            if m:
                table[int(m.group(2) + m.group(3), 16)] = int(m.group(1), 16)
    return table


def read_unihan(name, fields):
    """{field: {code point: [code points]}} from a Unihan file."""
    result = {field: {} for field in fields}
    with bz2.open(os.path.join(UNICODE, name), "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cp, field, value = line.rstrip("\n").split("\t")
            if field in result:
                result[field][int(cp[2:], 16)] = value.split()
    return result


def unihan_code_points(values):
    # Values may carry a source tag: U+81FA<kLau.
    return [int(v.split("<")[0][2:], 16) for v in values]


def read_folds():
    """Code point -> the symbol it is a width, vertical or small form of."""
    folds = {}
    with open(os.path.join(UNICODE, "UnicodeData.txt"), encoding="ascii") as f:
        for line in f:
            fields = line.split(";")
            decomposition = fields[5].split()
            if len(decomposition) == 2 and decomposition[0] in FOLD_TAGS:
                folds[int(fields[0], 16)] = int(decomposition[1], 16)
    return folds


def opencc_dictionary(name):
    """Path of an OpenCC dictionary, wherever the installed package put it."""
    path = os.path.join(OPENCC_DIR, name)
    if os.path.exists(path):
        return path
    found = subprocess.run(["dpkg", "-S", name], capture_output=True, text=True).stdout
    for line in found.splitlines():
        candidate = line.split(": ", 1)[-1].strip()
        if candidate.endswith("/" + name) and os.path.exists(candidate):
            return candidate
    sys.exit(f"make_tables: {name} not found (install opencc)")


def read_opencc(name, workdir):
    """Single characters of an OpenCC dictionary -> candidates in order."""
    text = os.path.join(workdir, name + ".txt")
    subprocess.run(["opencc_dict", "-f", "ocd2", "-t", "text",
                    "-i", opencc_dictionary(name + ".ocd2"), "-o", text], check=True)
    result = {}
    with open(text, encoding="utf-8") as f:
        for line in f:
            key, values = line.rstrip("\n").split("\t")
            if len(key) == 1:
                result[ord(key)] = [ord(v) for v in values.split() if len(v) == 1]
    return result


def unique(items):
    seen = set()
    return [x for x in items if not (x in seen or seen.add(x))]


class Sources:
    def __init__(self, workdir):
        self.gb = load_charmap("GB2312")
        self.big5 = {c: u for c, u in load_charmap("BIG5").items()
                     if BIG5_BASE <= c <= BIG5_LAST
                     and not BIG5_AREA[0] <= c <= BIG5_AREA[1]}
        self.gb_of = {u: c for c, u in self.gb.items() if c >= GB_BASE}
        # Where Big5 has one character twice (兀 0xA461 and 0xC94A), the
        # lower, standard code is the one text uses.
        self.big5_of = {}
        for c in sorted(self.big5):
            self.big5_of.setdefault(self.big5[c], c)
        variants = read_unihan("Unihan_Variants.txt.bz2",
                               ["kTraditionalVariant", "kSimplifiedVariant"])
        self.trad_unihan = {cp: unihan_code_points(v)
                            for cp, v in variants["kTraditionalVariant"].items()}
        self.simp_unihan = {cp: unihan_code_points(v)
                            for cp, v in variants["kSimplifiedVariant"].items()}
        self.other = read_unihan("Unihan_OtherMappings.txt.bz2", ["kGB0", "kBigFive"])
        self.st = read_opencc("STCharacters", workdir)
        self.ts = read_opencc("TSCharacters", workdir)
        self.folds = read_folds()
        # Big5 codes by the symbol they are a form of: the plain symbol
        # first, then its other forms in code order.
        self.big5_by_fold = {}
        for c in sorted(self.big5, key=lambda c: (self.fold(self.big5[c]) != self.big5[c], c)):
            self.big5_by_fold.setdefault(self.fold(self.big5[c]), []).append(c)
        self.gb_by_fold = {}
        for c in sorted(self.gb_of.values(), key=lambda c: (self.fold(self.gb[c]) != self.gb[c], c)):
            self.gb_by_fold.setdefault(self.fold(self.gb[c]), []).append(c)

    def fold(self, cp):
        return self.folds.get(cp, cp)

    def check_unihan_codes(self):
        """Compares Unihan's byte codes with the charmaps; returns a report line."""
        agree = total = 0
        for cp, (value,) in self.other["kGB0"].items():
            code = (0xA0 + int(value[:2])) << 8 | (0xA0 + int(value[2:]))
            total += 1
            agree += self.gb.get(code) == cp
        for cp, (value,) in self.other["kBigFive"].items():
            code = int(value, 16)
            if code in self.big5:
                total += 1
                agree += self.big5[code] == cp
        return f"Unihan kGB0/kBigFive agree with the charmaps on {agree} of {total} codes"


def traditional_candidates(src, u):
    """Traditional forms of a GB2312 character, most likely first."""
    return unique(src.st.get(u, []) + src.trad_unihan.get(u, []))


def counterpart_candidates(src, u):
    """Big5 codes a GB2312 character may map to, in order of preference."""
    trad = traditional_candidates(src, u)
    code = src.big5_of.get(u)
    # Keep the character itself where it is one of its own traditional forms
    # and a frequent Big5 character (几 -> 几, 台 -> 台, 干 -> 干); a rarer
    # level-2 glyph (圣, 机) gives way to the traditional form. OpenCC's
    # list decides where it has one: Unihan also lists forms that ordinary
    # text no longer uses (听 is there a form of 聽, but text writes 聽).
    own = src.st.get(u) or src.trad_unihan.get(u, [])
    if u in own and code is not None and BIG5_LEVEL1[0] <= code <= BIG5_LEVEL1[1]:
        order = [u] + trad
    else:
        # 万 -> 萬 and 种 -> 種 although Big5 has the simplified glyphs too.
        order = [x for x in trad if x != u] + [u]
    codes = [src.big5_of[x] for x in order if x in src.big5_of]
    # A symbol that Big5 lacks may exist there as the plain symbol of which
    # it is a width form, or as another width, vertical or small form of it.
    codes += src.big5_by_fold.get(src.fold(u), [])
    return unique(codes)


def build_gb2big(src):
    """GB2312 code -> Big5 code, or missing for no counterpart."""
    unmapped = {src.gb_of[ord(u)] for u in UNMAPPED}
    shared = {src.gb_of[ord(u)]: src.big5_of[ord(b)] for pair, b in SHARED for u in pair}
    reserved = set(shared.values())

    candidates = {g: counterpart_candidates(src, u)
                  for g, u in src.gb.items()
                  if g >= GB_BASE and g not in unmapped and g not in shared}
    # Codes that a shared case holds are not given to anything else.
    for g in candidates:
        candidates[g] = [c for c in candidates[g] if c not in reserved]
    choice = {g: 0 for g in candidates}

    def current(g):
        return candidates[g][choice[g]] if choice[g] < len(candidates[g]) else None

    # Two GB2312 characters must not end on one Big5 character (吒/咤,
    # 阪/坂, 么/麽, 钟/锺). The one whose own glyph is that Big5 character
    # keeps it; else one that has no further traditional form to go to
    # (锺 keeps 鍾, 钟 takes 鐘); else the lower code, which in GB2312 is
    # the more frequent character (么 keeps 麼). The others move to their
    # next candidate, or to no counterpart.
    def has_other_traditional(g):
        rest = candidates[g][choice[g] + 1:]
        return any(src.big5[c] != src.gb[g] for c in rest)

    while True:
        claims = {}
        for g in sorted(candidates):
            c = current(g)
            if c is not None:
                claims.setdefault(c, []).append(g)
        contested = {c: gs for c, gs in claims.items() if len(gs) > 1}
        if not contested:
            break
        for c, gs in sorted(contested.items()):
            keeper = min(gs, key=lambda g: (src.gb[g] != src.big5[c], has_other_traditional(g), g))
            for g in gs:
                if g != keeper:
                    choice[g] += 1

    table = {g: c for g in candidates if (c := current(g)) is not None}
    table.update(shared)
    return table


def simplified_candidates(src, v):
    """GB2312 characters a Big5 character simplifies to, most likely first."""
    forms = src.ts.get(v, []) + src.simp_unihan.get(v, [])
    if src.fold(v) != v:
        # Presentation forms (︵ ﹙) stand for the plain symbol, which GB2312
        # has as a full-width form or as itself.
        forms += [src.gb[g] for g in src.gb_by_fold.get(src.fold(v), [])]
    # The character itself is no simplification: Big5 圣 stays unmatched.
    return unique(x for x in forms if x != v and x in src.gb_of)


def build_alternatives(src, gb2big):
    """(GB2312 code, Big5 code) pairs for Big5 characters that are no
    primary counterpart but simplify to a GB2312 character that has one."""
    primaries = set(gb2big.values())
    pairs = []
    for c in sorted(src.big5):
        if c in primaries:
            continue
        for u in simplified_candidates(src, src.big5[c]):
            g = src.gb_of[u]
            if g in gb2big:
                pairs.append((g, c))
                break
    return sorted(pairs)


def build_big2gb(gb2big, alternatives):
    big2gb = {}
    # A shared Big5 code keeps the higher of its GB2312 codes.
    for g in sorted(gb2big):
        big2gb[gb2big[g]] = g
    for g, c in alternatives:
        big2gb[c] = g
    return big2gb


def dense(table, first, last):
    out = bytearray()
    for code in range(first, last + 1):
        out += table.get(code, NONE).to_bytes(2, "big")
    assert 0 not in out
    return bytes(out)


def write(outdir, name, data):
    with open(os.path.join(outdir, name), "wb") as f:
        f.write(data)


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(outdir, exist_ok=True)
    workdir = tempfile.mkdtemp(prefix="make_tables.")
    try:
        src = Sources(workdir)
    finally:
        shutil.rmtree(workdir)

    gb2big = build_gb2big(src)
    alternatives = build_alternatives(src, gb2big)
    big2gb = build_big2gb(gb2big, alternatives)

    write(outdir, "GB2BIG", dense(gb2big, GB_BASE, GB_LAST))
    write(outdir, "BIG2GB", dense(big2gb, BIG5_BASE, BIG5_LAST))
    write(outdir, "DUPCODE", b"".join(g.to_bytes(2, "big") for g, _ in alternatives))
    write(outdir, "DUPDATA", b"".join(c.to_bytes(2, "big") for _, c in alternatives))

    gb_codes = sum(1 for g in src.gb if g >= GB_BASE)
    primaries = len(set(gb2big.values()))
    reached = {
        "GB2BIG entries carrying a Big5 code": len(gb2big),
        "GB2312 codes holding spaces": gb_codes - len(gb2big),
        "primary codes in BIG2GB": primaries,
        "alternative pairs": len(alternatives),
        "GB2312 codes with alternatives": len({g for g, _ in alternatives}),
        "BIG2GB entries carrying a GB2312 code": len(big2gb),
    }
    print(src.check_unihan_codes())
    print(f"{'':40} {'reached':>8} {'stated':>8}")
    for label, count in reached.items():
        print(f"{label:40} {count:8} {STATED[label]:8}")


if __name__ == "__main__":
    main()
