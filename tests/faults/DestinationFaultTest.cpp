// Destinations that cannot be written, and destinations that are the source
// under another name.

#include "FaultTest.h"
#include "TUnprivileged.h"

#include <ostream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using DestinationFaultTest = FaultTest;

// The first entry's destination cannot be created: the error ends the batch
// and the second entry is never started.
void ExpectEndedAtFirst(const BatchOutcome& outcome, const ByteString& message) {
    EXPECT_EQ(outcome.raised, message);
    EXPECT_TRUE(outcome.shown.empty());
    EXPECT_EQ(outcome.started, 1U);
}

TEST_F(DestinationFaultTest, ReadOnlyMountedDestinationFolder) {
    const ByteString out = MakeFolder("out");
    if (const std::string why = MountReadOnly(out); !why.empty())
        GTEST_SKIP() << why;
    const BatchOutcome outcome = RunBatch(
        {MakeSource("a.txt", Text(300)), MakeSource("b.txt", Text(300))}, TBatch::OtherFolder(out));
    ExpectEndedAtFirst(outcome, "File access denied");
    EXPECT_FALSE(Exists(out + "/a.txt"));
}

TEST_F(DestinationFaultTest, DestinationFolderWithoutWritePermission) {
    const ByteString out = MakeFolder("out");
    ASSERT_EQ(::chmod(out.c_str(), 0555), 0);
    const std::vector<ByteString> sources = {MakeSource("a.txt", Text(300)),
                                             MakeSource("b.txt", Text(300))};
    BatchOutcome outcome;
    {
        const TUnprivileged unprivileged;
        outcome = RunBatch(sources, TBatch::OtherFolder(out));
    }
    ExpectEndedAtFirst(outcome, "File access denied");
    EXPECT_FALSE(Exists(out + "/a.txt"));
}

TEST_F(DestinationFaultTest, SourcesOnAReadOnlyMountWithTheDestinationsBeside) {
    const ByteString folder = MakeFolder("in");
    const std::vector<ByteString> sources = {MakeSource("in/a.htm", Text(300)),
                                             MakeSource("in/b.htm", Text(300))};
    if (const std::string why = MountReadOnly(folder); !why.empty())
        GTEST_SKIP() << why;
    ExpectEndedAtFirst(RunBatch(sources, TBatch::SameFolder("_big5")), "File access denied");
    EXPECT_FALSE(Exists(folder + "/a_big5.htm"));
}

struct ExistingCase {
    const char* name;
    // Puts something at `dest`, the destination of `source`.
    void (*make)(const ByteString& source, const ByteString& dest);
    const char* message;
};

void PrintTo(const ExistingCase& c, std::ostream* os) {
    *os << c.name;
}

class ExistingDestinationTest : public FaultTest,
                                public ::testing::WithParamInterface<ExistingCase> {};

TEST_P(ExistingDestinationTest, EndsTheBatchAndLeavesTheSourceAsItWas) {
    const ByteString out = MakeFolder("out");
    const ByteString source = MakeSource("a.txt", Text(1000));
    GetParam().make(source, out + "/a.txt");
    ExpectEndedAtFirst(RunBatch({source, MakeSource("b.txt", Text(300))}, TBatch::OtherFolder(out)),
                       GetParam().message);
    EXPECT_FALSE(Exists(out + "/b.txt"));
}

const ExistingCase ExistingCases[] = {
    {"Folder", [](const ByteString&, const ByteString& dest) { ::mkdir(dest.c_str(), 0755); },
     "File access denied"},
    {"SymbolicLinkLoop",
     [](const ByteString&, const ByteString& dest) { ::symlink(dest.c_str(), dest.c_str()); },
     "Invalid filename"},
    // The source under another name: it is open, so it cannot be written.
    {"SymbolicLinkToTheSource",
     [](const ByteString& source, const ByteString& dest) {
         ::symlink(source.c_str(), dest.c_str());
     },
     "I/O error 32"},
    {"HardLinkToTheSource",
     [](const ByteString& source, const ByteString& dest) { ::link(source.c_str(), dest.c_str()); },
     "I/O error 32"},
};

INSTANTIATE_TEST_SUITE_P(Faults, ExistingDestinationTest, ::testing::ValuesIn(ExistingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DestinationFaultTest, SourceFolderTypedWithATrailingDelimiter) {
    // "in/" as the other folder gives in//a.txt: the source itself.
    const ByteString folder = MakeFolder("in");
    const std::vector<ByteString> sources = {MakeSource("in/a.txt", Text(1000)),
                                             MakeSource("in/b.txt", Text(300))};
    ExpectEndedAtFirst(RunBatch(sources, TBatch::OtherFolder(folder + "/")), "I/O error 32");
}

// Lowers the limit of open descriptors to what is open now plus `extra`.
class TDescriptorLimit {
  public:
    explicit TDescriptorLimit(int extra) {
        ::getrlimit(RLIMIT_NOFILE, &FSaved);
        rlimit lowered = FSaved;
        // Descriptors are handed out lowest first: count up to the highest.
        lowered.rlim_cur = static_cast<rlim_t>(::dup(0));
        ::close(static_cast<int>(lowered.rlim_cur));
        lowered.rlim_cur += static_cast<rlim_t>(extra);
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~TDescriptorLimit() { ::setrlimit(RLIMIT_NOFILE, &FSaved); }
    TDescriptorLimit(const TDescriptorLimit&) = delete;
    TDescriptorLimit& operator=(const TDescriptorLimit&) = delete;

  private:
    rlimit FSaved{};
};

TEST_F(DestinationFaultTest, NoDescriptorLeftForTheDestination) {
    const ByteString out = MakeFolder("out");
    const std::vector<ByteString> sources = {MakeSource("a.txt", Text(300)),
                                             MakeSource("b.txt", Text(300))};
    // Raises the error once with descriptors to spare: the first time the
    // undefined-behaviour checker meets a type, it needs a pipe to look at it.
    EXPECT_EQ(RunBatch({Path("missing.txt")}, TBatch::OtherFolder(out)).raised, "File not found");
    BatchOutcome outcome;
    {
        const TDescriptorLimit limit(1); // the source's
        outcome = RunBatch(sources, TBatch::OtherFolder(out));
    }
    ExpectEndedAtFirst(outcome, "Too many open files");
    EXPECT_FALSE(Exists(out + "/a.txt"));
}

} // namespace
