// A destination on a full disk: the device that is always full, and a small
// file system that fills up during the batch.

#include "FaultTest.h"

#include <algorithm>

namespace {

constexpr std::size_t Block = TTextWriter::DefaultBufferSize;
const ByteString DiskFull = "I/O error 112";

class DiskFullTest : public FaultTest {
  protected:
    // What the batch rules allow after a full disk: every destination is
    // complete or holds the whole blocks written before the failed one, and
    // none follows the entry that ended the batch.
    void ExpectWholeBlocksOnly(const std::vector<ByteString>& sources,
                               const std::vector<ByteString>& dests, const BatchOutcome& outcome) {
        for (std::size_t i = 0; i < sources.size(); ++i) {
            if (i >= outcome.started) {
                EXPECT_FALSE(Exists(dests[i])) << dests[i];
                continue;
            }
            const ByteString expected = Converted(ReadBytes(sources[i]));
            const ByteString written = ReadBytes(dests[i]);
            if (written == expected)
                continue;
            EXPECT_EQ(written.size() % Block, 0U) << dests[i] << " ends inside a block";
            EXPECT_EQ(expected.compare(0, written.size(), written), 0) << dests[i];
        }
    }
};

TEST_F(DiskFullTest, DeviceThatIsAlwaysFull) {
    // Other folder /dev: each destination is /dev/full. A large file fails
    // inside the loop and the batch goes on; a small one reaches the disk only
    // when it is closed, and that failure ends the batch.
    for (const char* folder : {"large", "small", "after"})
        MakeFolder(folder);
    const std::vector<ByteString> sources = {
        MakeSource("large/full", Text(3 * Block)),
        MakeSource("small/full", Text(100)),
        MakeSource("after/full", Text(100)),
    };
    const BatchOutcome outcome = RunBatch(sources, TBatch::OtherFolder("/dev"));
    EXPECT_EQ(outcome.shown, std::vector<ByteString>{DiskFull});
    EXPECT_EQ(outcome.raised, DiskFull);
    EXPECT_EQ(outcome.started, 2U);
}

TEST_F(DiskFullTest, SmallFileSystemFillsUpUnderTheDestinations) {
    const ByteString out = MakeFolder("out");
    if (const std::string why = MountSmallFileSystem(out, 256); !why.empty())
        GTEST_SKIP() << why;
    std::vector<ByteString> sources;
    std::vector<ByteString> dests;
    for (int i = 0; i < 4; ++i) {
        const ByteString name = "part" + std::to_string(i) + ".txt";
        sources.push_back(MakeSource(name, Text(Block * 5 / 2, i)));
        dests.push_back(out + "/" + name);
    }
    const BatchOutcome outcome = RunBatch(sources, TBatch::OtherFolder(out));

    EXPECT_FALSE(outcome.shown.empty() && !outcome.raised) << "the disk never filled up";
    for (const ByteString& message : outcome.shown)
        EXPECT_EQ(message, DiskFull);
    EXPECT_EQ(outcome.raised.value_or(DiskFull), DiskFull);
    EXPECT_EQ(ReadBytes(dests[0]), Converted(ReadBytes(sources[0])));
    ExpectWholeBlocksOnly(sources, dests, outcome);
}

TEST_F(DiskFullTest, SmallFileSystemFullOfSourcesWithTheDestinationsBeside) {
    const ByteString folder = MakeFolder("small");
    if (const std::string why = MountSmallFileSystem(folder, 64); !why.empty())
        GTEST_SKIP() << why;
    const std::vector<ByteString> sources = {
        MakeSource("small/a.txt", Text(24 * 1024, 1)),
        MakeSource("small/b.txt", Text(24 * 1024, 2)),
    };
    const std::vector<ByteString> dests = {folder + "/a_big5.txt", folder + "/b_big5.txt"};
    const BatchOutcome outcome = RunBatch(sources, TBatch::SameFolder("_big5"));

    EXPECT_EQ(outcome.raised, DiskFull);
    EXPECT_TRUE(std::all_of(outcome.shown.begin(), outcome.shown.end(),
                            [](const ByteString& message) { return message == DiskFull; }));
    ExpectWholeBlocksOnly(sources, dests, outcome);
}

} // namespace
