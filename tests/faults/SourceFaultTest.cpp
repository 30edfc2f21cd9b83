// Sources that go wrong in the middle of a batch.

#include "FaultTest.h"
#include "TUnprivileged.h"

#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct VanishingCase {
    const char* name;
    void (*fault)(FaultTest& test, const ByteString& source);
    const char* message;
};

void PrintTo(const VanishingCase& c, std::ostream* os) {
    *os << c.name;
}

// Runs a batch of five, pulling the fault in just before the third; as an
// unprivileged user, so that permission bits count.
class SourceVanishesTest : public FaultTest, public ::testing::WithParamInterface<VanishingCase> {};

TEST_P(SourceVanishesTest, EndsTheBatchAtThatSource) {
    const ByteString folder = MakeFolder("in");
    const ByteString out = MakeFolder("out");
    TUnprivileged::GiveAway(folder.c_str());
    TUnprivileged::GiveAway(out.c_str());
    std::vector<ByteString> sources;
    for (int i = 0; i < 5; ++i) {
        sources.push_back(MakeSource("in/" + std::to_string(i) + ".txt", Text(300, i)));
        TUnprivileged::GiveAway(sources.back().c_str());
    }
    BatchOutcome outcome;
    {
        const TUnprivileged unprivileged;
        outcome = RunBatch(sources, TBatch::OtherFolder(out), [&](std::size_t index) {
            if (index == 2)
                GetParam().fault(*this, sources[2]);
        });
    }
    EXPECT_EQ(outcome.raised, ByteString(GetParam().message));
    EXPECT_TRUE(outcome.shown.empty());
    EXPECT_EQ(outcome.started, 3U);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(ReadBytes(out + "/" + std::to_string(i) + ".txt"),
                  Converted(ReadBytes(sources[i])));
    for (int i = 2; i < 5; ++i)
        EXPECT_FALSE(Exists(out + "/" + std::to_string(i) + ".txt")) << i;
}

void MovedAway(FaultTest& test, const ByteString& source) {
    test.MoveAway(source);
}

void MadeUnreadable(FaultTest&, const ByteString& source) {
    ASSERT_EQ(::chmod(source.c_str(), 0), 0);
}

void ReplacedByAFolder(FaultTest& test, const ByteString& source) {
    MovedAway(test, source);
    ASSERT_EQ(::mkdir(source.c_str(), 0755), 0);
}

void ReplacedByALinkLoop(FaultTest& test, const ByteString& source) {
    MovedAway(test, source);
    ASSERT_EQ(::symlink(source.c_str(), source.c_str()), 0);
}

const VanishingCase VanishingCases[] = {
    {"MovedAway", MovedAway, "File not found"},
    {"MadeUnreadable", MadeUnreadable, "File access denied"},
    {"ReplacedByAFolder", ReplacedByAFolder, "File access denied"},
    {"ReplacedByASymbolicLinkLoop", ReplacedByALinkLoop, "Invalid filename"},
};

INSTANTIATE_TEST_SUITE_P(Faults, SourceVanishesTest, ::testing::ValuesIn(VanishingCases),
                         [](const auto& info) { return std::string(info.param.name); });

using SourceFaultTest = FaultTest;

TEST_F(SourceFaultTest, ReadsThatFailAreShownAndTheBatchGoesOn) {
    // Reading this process's memory at offset 0 fails with EIO after the
    // file has opened: a read error inside the loop.
    const ByteString out = MakeFolder("out");
    const ByteString first = MakeSource("first.txt", Text(300, 1));
    const ByteString last = MakeSource("last.txt", Text(300, 2));
    const BatchOutcome outcome =
        RunBatch({first, "/proc/self/mem", last}, TBatch::OtherFolder(out));

    EXPECT_EQ(outcome.shown, std::vector<ByteString>{"I/O error 1117"});
    EXPECT_FALSE(outcome.raised);
    EXPECT_EQ(outcome.started, 3U);
    EXPECT_EQ(ReadBytes(out + "/mem"), "");
    EXPECT_EQ(ReadBytes(out + "/first.txt"), Converted(ReadBytes(first)));
    EXPECT_EQ(ReadBytes(out + "/last.txt"), Converted(ReadBytes(last)));
}

} // namespace
