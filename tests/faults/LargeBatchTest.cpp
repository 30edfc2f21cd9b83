// Ten thousand files in one batch: every one converted, no descriptor kept.

#include "FaultTest.h"

#include <cstdio>

namespace {

constexpr int FileCount = 10000;

using LargeBatchTest = FaultTest;

TEST_F(LargeBatchTest, TenThousandFilesInTheSameFolder) {
    MakeFolder("many");
    std::vector<ByteString> sources;
    for (int i = 0; i < FileCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "many/%05d.txt", i);
        sources.push_back(MakeSource(name, Text(120, i)));
    }
    const BatchOutcome outcome = RunBatch(sources, TBatch::SameFolder("_big5"));

    EXPECT_TRUE(outcome.shown.empty());
    EXPECT_FALSE(outcome.raised);
    EXPECT_EQ(outcome.started, static_cast<std::size_t>(FileCount));
    int wrong = 0;
    for (const ByteString& source : sources) {
        const ByteString dest = source.substr(0, source.size() - 4) + "_big5.txt";
        wrong += ReadBytes(dest) != Converted(ReadBytes(source));
    }
    EXPECT_EQ(wrong, 0) << "destinations that differ from their conversion";
}

} // namespace
