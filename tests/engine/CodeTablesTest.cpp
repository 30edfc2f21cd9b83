#include "BIG2GB.h"
#include "Charmap.h"
#include "CodeTable.h"
#include "GB2BIG.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr unsigned Spaces = CodeTable::Spaces;

const CodeTable& Big2Gb() {
    static const CodeTable table("BIG2GB", TBIG2GB::Base);
    return table;
}

const CodeTable& Gb2Big() {
    static const CodeTable table("GB2BIG", TGB2BIG::Base);
    return table;
}

const Charmap& Gb2312() {
    static const Charmap charmap("GB2312");
    return charmap;
}

const Charmap& Big5() {
    static const Charmap charmap("BIG5");
    return charmap;
}

// Big5 0xC6A1..0xC8FE is left empty in both directions.
bool InBig5Area(unsigned code) {
    return code >= 0xC6A1 && code <= 0xC8FE;
}

bool IsBig5Code(unsigned code) {
    return Big5().Has(code) && !InBig5Area(code);
}

bool IsGbCode(unsigned code) {
    return Gb2312().Has(code);
}

std::string Hex(const std::vector<unsigned>& codes) {
    std::string text;
    for (std::size_t i = 0; i < codes.size() && i < 20; ++i) {
        char item[8];
        std::snprintf(item, sizeof item, " %04X", codes[i]);
        text += item;
    }
    return codes.size() > 20 ? text + " ..." : text;
}

// Big5 code -> the GB2312 codes that GB2BIG sends to it.
std::map<unsigned, std::vector<unsigned>> GbCodesByBig5() {
    std::map<unsigned, std::vector<unsigned>> sources;
    const CodeTable& table = Gb2Big();
    for (unsigned gb = table.Base(); gb <= table.Last(); ++gb)
        if (table.Entry(gb) != Spaces)
            sources[table.Entry(gb)].push_back(gb);
    return sources;
}

struct AlternativePair {
    unsigned gb;
    unsigned big5;
};

std::vector<AlternativePair> Alternatives() {
    const std::vector<unsigned> codes = ReadCodeList("DUPCODE");
    const std::vector<unsigned> data = ReadCodeList("DUPDATA");
    std::vector<AlternativePair> pairs;
    for (std::size_t i = 0; i < codes.size() && i < data.size(); ++i)
        pairs.push_back({codes[i], data[i]});
    return pairs;
}

enum class Table { BIG2GB, GB2BIG };

const CodeTable& Of(Table table) {
    return table == Table::BIG2GB ? Big2Gb() : Gb2Big();
}

struct Row {
    Table table;
    unsigned source;
    unsigned entry;
};

} // namespace

TEST(CodeTables, TellingRows) {
    const Row rows[] = {
        {Table::BIG2GB, 0xA140, 0xA1A1}, // ideographic space, the first entry
        {Table::BIG2GB, 0xA141, 0xA3AC}, // ， full-width comma
        {Table::BIG2GB, 0xA15F, 0xA3A8}, // ︵ alternative of （
        {Table::BIG2GB, 0xA17F, Spaces}, // trail byte outside Big5
        {Table::BIG2GB, 0xA440, 0xD2BB}, // 一
        {Table::BIG2GB, 0xAB68, 0xD4F2}, // 則 -> 则
        {Table::BIG2GB, 0xB978, 0xCDE7}, // 頑 -> 顽
        {Table::BIG2GB, 0xBB4F, 0xCCA8}, // 臺 alternative of 台
        {Table::BIG2GB, 0xBEF0, 0xCAF7}, // 樹 -> 树
        {Table::BIG2GB, 0xC6A1, Spaces}, // first code of the empty area
        {Table::BIG2GB, 0xC96F, Spaces}, // Big5 圣: GB2312 圣 belongs to 聖
        {Table::BIG2GB, 0xF9FE, Spaces}, // the last entry
        {Table::GB2BIG, 0xA1A1, 0xA140}, // ideographic space, the first entry
        {Table::GB2BIG, 0xA1BC, Spaces}, // 〖 has no counterpart
        {Table::GB2BIG, 0xB0A0, Spaces}, // not a GB2312 code
        {Table::GB2BIG, 0xB0DD, 0xABF4}, // 拜, unchanged by simplification
        {Table::GB2BIG, 0xBBFA, 0xBEF7}, // 机 -> 機
        {Table::GB2BIG, 0xBCB8, 0xA44C}, // 几 -> 几, one of several
        {Table::GB2BIG, 0xBDC1, 0xC5CD}, // 搅 -> 攪
        {Table::GB2BIG, 0xCAA5, 0xB874}, // 圣 -> 聖
        {Table::GB2BIG, 0xCCFD, 0xC5A5}, // 听 -> 聽
        {Table::GB2BIG, 0xFFFE, Spaces}, // the last entry
    };
    for (const Row& row : rows)
        EXPECT_EQ(Of(row.table).Entry(row.source), row.entry)
            << (row.table == Table::BIG2GB ? "BIG2GB " : "GB2BIG ") << std::hex << row.source;
}

TEST(CodeTables, TraditionalFormUnlessTheCharacterKeepsItself) {
    const Row rows[] = {
        {Table::GB2BIG, 0xD6D6, 0xBAD8}, // 种 -> 種, though Big5 has 种 (level 2)
        {Table::GB2BIG, 0xCDF2, 0xB855}, // 万 -> 萬, though Big5 has 万 (level 2)
        {Table::GB2BIG, 0xCCA8, 0xA578}, // 台 keeps itself; 臺 颱 檯 are alternatives
        {Table::GB2BIG, 0xB8C9, 0xA47A}, // 干 keeps itself; 幹 is an alternative
        {Table::GB2BIG, 0xCAF7, 0xBEF0}, // 树 -> 樹
    };
    for (const Row& row : rows)
        EXPECT_EQ(Of(row.table).Entry(row.source), row.entry) << std::hex << row.source;
}

TEST(CodeTables, SizeAndRange) {
    EXPECT_EQ(Big2Gb().Bytes(), 45438u);
    EXPECT_EQ(Gb2Big().Bytes(), 48316u);
    EXPECT_EQ(Big2Gb().Last(), 0xF9FEu);
    EXPECT_EQ(Gb2Big().Last(), 0xFFFEu);
    EXPECT_FALSE(Big2Gb().HasEntry(0xF9FF));
    EXPECT_FALSE(Gb2Big().HasEntry(0xFFFF));
}

TEST(CodeTables, EntryZeroTrailGapAndLastEntry) {
    EXPECT_EQ(Big2Gb().Entry(0xA140), 0xA1A1u); // ideographic space
    EXPECT_EQ(Gb2Big().Entry(0xA1A1), 0xA140u); // ideographic space
    for (unsigned code = 0xA17F; code <= 0xA1A0; ++code)
        EXPECT_EQ(Big2Gb().Entry(code), Spaces) << std::hex << code;
    EXPECT_EQ(Big2Gb().Entry(0xF9FE), Spaces);
    EXPECT_EQ(Gb2Big().Entry(0xFFFE), Spaces);
}

TEST(CodeTables, NoZeroByte) {
    EXPECT_FALSE(Big2Gb().ContainsZeroByte());
    EXPECT_FALSE(Gb2Big().ContainsZeroByte());
}

TEST(CodeTables, EveryEntryIsSpacesOrACodeOfTheTargetEncoding) {
    std::vector<unsigned> badGb, badBig5;
    for (unsigned gb = Gb2Big().Base(); gb <= Gb2Big().Last(); ++gb) {
        const unsigned entry = Gb2Big().Entry(gb);
        if (entry != Spaces && (!IsBig5Code(entry) || !IsGbCode(gb)))
            badGb.push_back(gb);
    }
    for (unsigned big5 = Big2Gb().Base(); big5 <= Big2Gb().Last(); ++big5) {
        const unsigned entry = Big2Gb().Entry(big5);
        if (entry != Spaces && (!IsGbCode(entry) || !IsBig5Code(big5)))
            badBig5.push_back(big5);
    }
    EXPECT_TRUE(badGb.empty()) << "GB2BIG" << Hex(badGb);
    EXPECT_TRUE(badBig5.empty()) << "BIG2GB" << Hex(badBig5);
}

TEST(CodeTables, RoundTripForEveryUnsharedCode) {
    std::vector<unsigned> bad;
    for (const auto& [big5, gbCodes] : GbCodesByBig5())
        if (gbCodes.size() == 1 && Big2Gb().Entry(big5) != gbCodes.front())
            bad.push_back(gbCodes.front());
    EXPECT_TRUE(bad.empty()) << Hex(bad);
}

TEST(CodeTables, ExactlyTheNineSharedCasesAndBig2GbHoldsTheHigherCode) {
    const std::map<unsigned, std::vector<unsigned>> expected = {
        {0xA454, {0xC8FD, 0xC8FE}}, // 三 叁 -> 三
        {0xC650, {0xBCEE, 0xBCEF}}, // 碱 硷 -> 鹼
        {0xB5DB, {0xD6F8, 0xD7C5}}, // 著 着 -> 著
        {0xA355, {0xA1C6, 0xA6B2}}, // ∑ Σ -> Σ
        {0xA353, {0xA1C7, 0xA6B0}}, // ∏ Π -> Π
        {0xA34E, {0xA1C4, 0xA6AB}}, // ∧ Λ -> Λ
        {0xA1AC, {0xA1E4, 0xA3A7}}, // ′ ＇ -> ′
        {0xA277, {0xA1AA, 0xA9A4}}, // ― ─ -> ─
        {0xA1C2, {0xA1A5, 0xA3FE}}, // ˉ ￣ -> ‾
    };
    std::map<unsigned, std::vector<unsigned>> shared;
    for (const auto& [big5, gbCodes] : GbCodesByBig5())
        if (gbCodes.size() > 1)
            shared.emplace(big5, gbCodes);
    EXPECT_EQ(shared, expected);
    for (const auto& [big5, gbCodes] : expected)
        EXPECT_EQ(Big2Gb().Entry(big5), gbCodes.back()) << std::hex << big5;
}

TEST(CodeTables, StatedHoles) {
    struct Range {
        unsigned first;
        unsigned last;
    };
    const Range gbHoles[] = {
        {0xA1A6, 0xA1A6}, // ˇ
        {0xA1BC, 0xA1BC}, // 〖
        {0xA2B1, 0xA2C4}, // ⒈ .. ⒛ dotted numbers
        {0xA2C5, 0xA2D8}, // ⑴ .. ⒇ parenthesised numbers
        {0xA2D9, 0xA2E2}, // ① .. ⑩ circled numbers
        {0xA2E5, 0xA2EE}, // ㈠ .. ㈩ parenthesised ideographs
        {0xA4A1, 0xA4F3}, // ぁ .. ん hiragana
        {0xA5A1, 0xA5F6}, // ァ .. ヶ katakana
        {0xF5DF, 0xF5DF}, // 踹
    };
    for (const Range& range : gbHoles)
        for (unsigned gb = range.first; gb <= range.last; ++gb)
            EXPECT_EQ(Gb2Big().Entry(gb), Spaces) << std::hex << gb;

    const unsigned big5Holes[] = {
        0xB7F7, // 痳, no GB2312 counterpart
        0xC96F, // 圣, GB2312 圣 goes to 聖
        0xC9F3, // 机, GB2312 机 goes to 機
        0xBFE5, // 踹, GB2312 踹 has no counterpart
        0xA3BE, // ˇ, GB2312 ˇ has no counterpart
    };
    for (const unsigned big5 : big5Holes)
        EXPECT_EQ(Big2Gb().Entry(big5), Spaces) << std::hex << big5;
}

TEST(CodeTables, Big5AreaC6A1ToC8FEIsEmpty) {
    for (unsigned big5 = 0xC6A1; big5 <= 0xC8FE; ++big5)
        EXPECT_EQ(Big2Gb().Entry(big5), Spaces) << std::hex << big5;
    for (const auto& [big5, gbCodes] : GbCodesByBig5())
        EXPECT_FALSE(InBig5Area(big5)) << std::hex << gbCodes.front();
}

TEST(CodeTables, AlternativeListIsOrderedAndParallel) {
    const std::vector<unsigned> codes = ReadCodeList("DUPCODE");
    const std::vector<unsigned> data = ReadCodeList("DUPDATA");
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.size(), data.size());
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(std::set(data.begin(), data.end()).size(), data.size())
        << "a Big5 code is the alternative of one GB2312 code only";
}

TEST(CodeTables, EveryAlternativeMapsToItsCodeAndIsNoPrimary) {
    const auto primaries = GbCodesByBig5();
    for (const AlternativePair& pair : Alternatives()) {
        SCOPED_TRACE(testing::Message() << std::hex << pair.gb << " " << pair.big5);
        EXPECT_TRUE(IsBig5Code(pair.big5));
        EXPECT_FALSE(primaries.contains(pair.big5));
        EXPECT_NE(Gb2Big().Entry(pair.gb), Spaces) << "the GB2312 code has a primary";
        EXPECT_EQ(Big2Gb().Entry(pair.big5), pair.gb);
    }
}

TEST(CodeTables, KnownAlternatives) {
    const AlternativePair expected[] = {
        {0xCCA8, 0xBB4F}, // 臺 -> 台
        {0xCCA8, 0xBBE4}, // 颱 -> 台
        {0xCCA8, 0xC269}, // 檯 -> 台
        {0xBCB8, 0xB458}, // 幾 -> 几
        {0xB8C9, 0xB746}, // 幹 -> 干
        {0xB8B4, 0xBDC6}, // 複 -> 复
        {0xA3A8, 0xA15F}, // ︵ -> （
        {0xA3A8, 0xA17D}, // ﹙ -> （
    };
    const std::vector<AlternativePair> pairs = Alternatives();
    for (const AlternativePair& want : expected) {
        const bool listed = std::any_of(pairs.begin(), pairs.end(), [&](const auto& pair) {
            return pair.gb == want.gb && pair.big5 == want.big5;
        });
        EXPECT_TRUE(listed) << std::hex << want.big5;
        EXPECT_EQ(Big2Gb().Entry(want.big5), want.gb) << std::hex << want.big5;
    }
}

TEST(CodeTables, Big2GbHoldsPrimariesAndAlternativesOnly) {
    const auto primaries = GbCodesByBig5();
    std::map<unsigned, unsigned> alternatives;
    for (const AlternativePair& pair : Alternatives())
        alternatives.emplace(pair.big5, pair.gb);
    std::vector<unsigned> bad;
    for (unsigned big5 = Big2Gb().Base(); big5 <= Big2Gb().Last(); ++big5) {
        const unsigned entry = Big2Gb().Entry(big5);
        if (entry == Spaces)
            continue;
        const auto primary = primaries.find(big5);
        const bool isPrimary = primary != primaries.end() && primary->second.back() == entry;
        const bool isAlternative = alternatives.contains(big5) && alternatives.at(big5) == entry;
        if (!isPrimary && !isAlternative)
            bad.push_back(big5);
    }
    EXPECT_TRUE(bad.empty()) << Hex(bad);
}

TEST(CodeTables, SymbolsMapToTheSameSymbolWhereBig5HasIt) {
    const std::set<unsigned> exceptions = {
        0xA1A6, // ˇ has no counterpart
        0xA1A5, // ˉ -> ‾ 0xA1C2, not Big5 ˉ 0xA3BC
        0xA3FE, // ￣ -> ‾ 0xA1C2, not Big5 ￣ 0xA1C3
    };
    std::vector<unsigned> bad;
    int checked = 0;
    for (const auto& [gb, codePoint] : Gb2312().Codes()) {
        if (gb >> 8 > 0xA9 || exceptions.contains(gb))
            continue;
        const auto big5 = Big5().Code(codePoint);
        if (!big5 || InBig5Area(*big5))
            continue;
        ++checked;
        if (Gb2Big().Entry(gb) != *big5)
            bad.push_back(gb);
    }
    EXPECT_GT(checked, 200);
    EXPECT_TRUE(bad.empty()) << Hex(bad);
}

TEST(CodeTables, FullWidthFormsGoToFullWidthForms) {
    std::vector<unsigned> bad;
    for (unsigned gb = 0xA3A1; gb <= 0xA3FE; ++gb) {
        const unsigned entry = Gb2Big().Entry(gb);
        // ＇ shares ′ with the prime (Big5 has no full-width apostrophe), and
        // ￣ shares ‾ with the macron ˉ.
        if (entry == Spaces || gb == 0xA3A7 || gb == 0xA3FE)
            continue;
        const char32_t target = Big5().CodePoint(entry).value_or(0);
        if (target < 0xFF00 || target > 0xFFEF)
            bad.push_back(gb);
    }
    EXPECT_TRUE(bad.empty()) << Hex(bad);
}
