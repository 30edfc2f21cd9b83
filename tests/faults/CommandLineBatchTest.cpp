// The batch faults again, through the command-line tool: its file list is a
// batch with the window's rules. The tool runs with a low limit of open
// descriptors, so that a descriptor kept per file would end a long batch.

#include "FaultTest.h"
#include "TConvertTool.h"
#include "TUnprivileged.h"

#include <cstdio>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int DescriptorLimit = 16;
constexpr int Failed = 1;

class CommandLineBatchTest : public FaultTest {
  protected:
    void SetUp() override {
        FaultTest::SetUp();
        if (const std::string why = TConvertTool::Unavailable(); !why.empty())
            GTEST_SKIP() << why;
    }

    TConvertTool::Result Run(const std::vector<ByteString>& arguments, bool unprivileged = false) {
        std::vector<ByteString> all = {"--big5-to-gb", "--html-charset"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return TConvertTool::Run(Path(""), all, {unprivileged, DescriptorLimit});
    }
};

struct ListedCase {
    const char* name;
    // Spoils the third of five sources; returns the name listed in its place.
    ByteString (*fault)(FaultTest& test, const ByteString& source);
    const char* message;
    bool goesOn; // a failure inside the file's conversion: the rest is converted
};

void PrintTo(const ListedCase& c, std::ostream* os) {
    *os << c.name;
}

class ListedSourceTest : public CommandLineBatchTest,
                         public ::testing::WithParamInterface<ListedCase> {};

TEST_P(ListedSourceTest, FollowsTheBatchRules) {
    const ByteString out = MakeFolder("out");
    TUnprivileged::GiveAway(out.c_str());
    std::vector<ByteString> sources;
    std::vector<ByteString> listed;
    for (int i = 0; i < 5; ++i) {
        sources.push_back(MakeSource(std::to_string(i) + ".txt", Text(300, i)));
        listed.push_back(i == 2 ? GetParam().fault(*this, sources[i]) : sources[i]);
    }
    listed.insert(listed.begin(), {"--output-dir", out});
    const TConvertTool::Result result = Run(listed, true);

    EXPECT_EQ(result.status, Failed);
    EXPECT_EQ(result.messages, std::vector<ByteString>{GetParam().message});
    for (int i = 0; i < 5; ++i) {
        const ByteString dest = out + "/" + std::to_string(i) + ".txt";
        if (i < 2 || (i > 2 && GetParam().goesOn))
            EXPECT_EQ(ReadBytes(dest), Converted(ReadBytes(sources[i]))) << dest;
        else
            EXPECT_FALSE(Exists(dest)) << dest;
    }
}

const ListedCase ListedCases[] = {
    {"Missing",
     [](FaultTest& test, const ByteString& source) {
         test.MoveAway(source);
         return source;
     },
     "File not found", false},
    {"Unreadable",
     [](FaultTest&, const ByteString& source) {
         ::chmod(source.c_str(), 0);
         return source;
     },
     "File access denied", false},
    {"Folder",
     [](FaultTest& test, const ByteString& source) {
         test.MoveAway(source);
         ::mkdir(source.c_str(), 0755);
         return source;
     },
     "File access denied", false},
    {"SymbolicLinkLoop",
     [](FaultTest& test, const ByteString& source) {
         test.MoveAway(source);
         ::symlink(source.c_str(), source.c_str());
         return source;
     },
     "Invalid filename", false},
    {"ReadsFail", [](FaultTest&, const ByteString&) { return ByteString("/proc/self/mem"); },
     "I/O error 1117", true},
};

INSTANTIATE_TEST_SUITE_P(Faults, ListedSourceTest, ::testing::ValuesIn(ListedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineBatchTest, DeviceThatIsAlwaysFull) {
    for (const char* folder : {"large", "small", "after"})
        MakeFolder(folder);
    const TConvertTool::Result result = Run(
        {"--output-dir", "/dev", MakeSource("large/full", Text(3 * TTextWriter::DefaultBufferSize)),
         MakeSource("small/full", Text(100)), MakeSource("after/full", Text(100))});
    EXPECT_EQ(result.status, Failed);
    EXPECT_EQ(result.messages, (std::vector<ByteString>{"I/O error 112", "I/O error 112"}));
}

TEST_F(CommandLineBatchTest, ReadOnlyMountedDestinationFolder) {
    const ByteString out = MakeFolder("out");
    if (const std::string why = MountReadOnly(out); !why.empty())
        GTEST_SKIP() << why;
    const TConvertTool::Result result =
        Run({"--output-dir", out, MakeSource("a.txt", Text(300)), MakeSource("b.txt", Text(300))});
    EXPECT_EQ(result.status, Failed);
    EXPECT_EQ(result.messages, std::vector<ByteString>{"File access denied"});
    EXPECT_FALSE(Exists(out + "/a.txt"));
}

TEST_F(CommandLineBatchTest, NamesInAnyEncoding) {
    const ByteString names[] = {"\xA5\x5C\xAF\xE0.htm", "\xB3\x5C", "\xFF\xFE\x80 raw.txt"};
    const ByteString dests[] = {"\xA5\x5C\xAF\xE0_big5.htm", "\xB3\x5C_big5",
                                "\xFF\xFE\x80 raw_big5.txt"};
    std::vector<ByteString> arguments = {"--suffix", "_big5"};
    for (const ByteString& name : names)
        arguments.push_back(MakeSource(name, Text(300)));
    const TConvertTool::Result result = Run(arguments);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.messages.empty());
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(ReadBytes(Path(dests[i])), Converted(ReadBytes(Path(names[i])))) << dests[i];
}

TEST_F(CommandLineBatchTest, TenThousandFilesWithFewDescriptors) {
    MakeFolder("many");
    std::vector<ByteString> arguments = {"--suffix", "_big5"};
    for (int i = 0; i < 10000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "many/%05d.txt", i);
        MakeSource(name, Text(120, i));
        arguments.push_back(name); // relative to the tool's folder
    }
    const TConvertTool::Result result = Run(arguments);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.messages.empty());
    int wrong = 0;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        const ByteString source = Path(arguments[i]);
        const ByteString dest = source.substr(0, source.size() - 4) + "_big5.txt";
        wrong += ReadBytes(dest) != Converted(ReadBytes(source));
    }
    EXPECT_EQ(wrong, 0) << "destinations that differ from their conversion";
}

} // namespace
