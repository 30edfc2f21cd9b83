// File names that are not UTF-8, Big5 names with "\" as a trail byte, and
// names too long for the system.

#include "FaultTest.h"

#include <climits>

namespace {

struct NameCase {
    const char* source;
    const char* dest; // in the same folder with the default suffix
};

// Big5 中文, 功能 and 許 (trail bytes 0x5C), GB2312 中文, and bytes that
// are no encoding at all.
const NameCase NameCases[] = {
    {"\xA4\xA4\xA4\xE5.txt", "\xA4\xA4\xA4\xE5_big5.txt"},
    {"\xA5\x5C\xAF\xE0.htm", "\xA5\x5C\xAF\xE0_big5.htm"},
    {"\xB3\x5C", "\xB3\x5C_big5"},
    {"\xB3\x5C.\xB3\x5C.txt", "\xB3\x5C.\xB3\x5C_big5.txt"},
    {"\xD6\xD0\xCE\xC4.HTML", "\xD6\xD0\xCE\xC4_big5.HTML"},
    {"\xFF\xFE\x80\x01 raw.txt", "\xFF\xFE\x80\x01 raw_big5.txt"},
};

using NameFaultTest = FaultTest;

ByteString WithRewrittenDeclaration(ByteString text) {
    text.replace(text.find("charset=big5"), 12, "charset=gb2312");
    return text;
}

TEST_F(NameFaultTest, NamesInAnyEncodingConvertBesideTheirSources) {
    const ByteString folder = MakeFolder("\xA5\x5C\xAF\xE0");
    std::vector<ByteString> sources;
    for (const NameCase& name : NameCases) {
        const ByteString text = "<meta charset=big5>\r\n" + Text(200);
        sources.push_back(MakeSource(ByteString("\xA5\x5C\xAF\xE0/") + name.source, text));
    }
    const BatchOutcome outcome = RunBatch(sources, TBatch::SameFolder("_big5"));

    EXPECT_TRUE(outcome.shown.empty());
    EXPECT_FALSE(outcome.raised);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const ByteString text = ReadBytes(sources[i]);
        const bool html = ShouldModifyCharset(sources[i], true);
        EXPECT_EQ(ReadBytes(folder + "/" + NameCases[i].dest),
                  Converted(html ? WithRewrittenDeclaration(text) : text))
            << NameCases[i].dest;
    }
}

TEST_F(NameFaultTest, NamesInAnyEncodingKeepTheirBytesInTheOtherFolder) {
    const ByteString out = MakeFolder("\xB3\x5C\xA4\xE5");
    std::vector<ByteString> sources;
    for (const NameCase& name : NameCases)
        sources.push_back(MakeSource(name.source, Text(200)));
    const BatchOutcome outcome = RunBatch(sources, TBatch::OtherFolder(out));

    EXPECT_FALSE(outcome.raised);
    for (std::size_t i = 0; i < sources.size(); ++i)
        EXPECT_EQ(ReadBytes(out + "/" + NameCases[i].source), Converted(ReadBytes(sources[i])));
}

constexpr std::size_t MaxName = NAME_MAX;

TEST_F(NameFaultTest, SourceNameLongerThanTheSystemAllows) {
    const ByteString tooLong = Path(ByteString(MaxName - 3, '\xA4') + ".txt");
    const BatchOutcome outcome =
        RunBatch({tooLong, MakeSource("b.txt", Text(300))}, TBatch::SameFolder("_big5"));
    EXPECT_EQ(outcome.raised, "Invalid filename");
    EXPECT_EQ(outcome.started, 1U);
    EXPECT_FALSE(Exists(Path("b_big5.txt")));
}

TEST_F(NameFaultTest, DestinationNameMadeTooLongByTheSuffix) {
    const ByteString base(MaxName - 4, 'n');
    const ByteString source = MakeSource(base + ".txt", Text(1000));
    const BatchOutcome outcome =
        RunBatch({source, MakeSource("b.txt", Text(300))}, TBatch::SameFolder("_big5"));
    EXPECT_EQ(outcome.raised, "Invalid filename");
    EXPECT_EQ(outcome.started, 1U);
    EXPECT_FALSE(Exists(Path("b_big5.txt")));
}

TEST_F(NameFaultTest, PathLongerThanTheSystemAllows) {
    ByteString deep;
    while (deep.size() <= PATH_MAX)
        deep += "folder/";
    const BatchOutcome outcome = RunBatch({Path(deep + "a.txt"), MakeSource("b.txt", Text(300))},
                                          TBatch::SameFolder("_big5"));
    EXPECT_EQ(outcome.raised, "Invalid filename");
    EXPECT_EQ(outcome.started, 1U);
}

} // namespace
