#include "FileTestSupport.h"
#include "TTextWriter.h"

#include <sys/resource.h>

#include <csignal>

namespace {

// Limits the size of files this process writes, and restores the limit.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &FSaved);
        FSavedHandler = std::signal(SIGXFSZ, SIG_IGN); // EFBIG instead of the signal
        rlimit limit = FSaved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &FSaved);
        std::signal(SIGXFSZ, FSavedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit FSaved{};
    void (*FSavedHandler)(int);
};

} // namespace

using TextWriter = FileConversionTest;

TEST_F(TextWriter, AFailedBlockLeavesOnlyTheBlocksBeforeIt) {
    // The limit falls inside the second block: the write of that block is cut
    // short and the next one fails.
    const ByteString line = "0123456789abcdef0123456789abcdef\r\n";
    ByteString text;
    while (text.size() < 200000)
        text += line;
    WriteBytes(Path("big.txt"), text);
    {
        const FileSizeLimit limit(100000);
        Convert(Path("big.txt"), Path("out.txt"), ConversionDirection::Big5ToGb, false);
    }
    EXPECT_EQ(FMessages, std::vector<ByteString>{"I/O error 223"});
    EXPECT_EQ(ReadBytes(Path("out.txt")), text.substr(0, TTextWriter::DefaultBufferSize));
}

TEST_F(TextWriter, RewindTakesBackBufferedAndWrittenBytes) {
    const ByteString name = Path("out.txt");
    {
        TTextWriter writer(name, 4);
        writer.Write("one\r\n");
        const auto lineStart = writer.Position();
        writer.Write("half a li");
        writer.Rewind(lineStart); // partly in the file, partly buffered
        writer.Write("two");
        const auto shortLine = writer.Position();
        writer.Write("!");
        writer.Rewind(shortLine); // buffered only
        writer.Write("\r\n");
        writer.Close();
    }
    EXPECT_EQ(ReadBytes(name), "one\r\ntwo\r\n");
}

TEST_F(TextWriter, AFileBeingWrittenIsNotTruncatedByASecondWriter) {
    const ByteString name = Path("out.txt");
    {
        TTextWriter first(name, 1);
        first.Write("new");
        EXPECT_EQ(RaisedMessage([&] { TTextWriter second(name); }), "I/O error 32");
        first.Write("er");
        first.Close();
    }
    EXPECT_EQ(ReadBytes(name), "newer");
}
