#include "FileTestSupport.h"
#include "TTextReader.h"
#include "TTextWriter.h"

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <stdexcept>

namespace {

const ByteString SourceText = "<meta charset=big5>\r\nline two\r\n";

// A child process that holds a file open, as another Quendrel converting it
// would, until the object is destroyed. `holdOpen` opens the file and calls
// its argument while the file is open.
class OtherProcess {
  public:
    using Holder = std::function<void(const std::function<void()>& whileOpen)>;

    explicit OtherProcess(const Holder& holdOpen) {
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            throw std::runtime_error("pipe");
        FChild = ::fork();
        if (FChild == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            try {
                holdOpen([&] {
                    char byte = 1;
                    (void)!::write(ready[1], &byte, 1);
                    (void)!::read(release[0], &byte, 1);
                });
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        char byte = 0;
        FReady = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        FRelease = release[1];
    }
    ~OtherProcess() {
        ::close(FRelease);
        ::waitpid(FChild, nullptr, 0);
    }
    OtherProcess(const OtherProcess&) = delete;
    OtherProcess& operator=(const OtherProcess&) = delete;

    bool Ready() const { return FReady; }

  private:
    pid_t FChild = -1;
    int FRelease = -1;
    bool FReady = false;
};

} // namespace

using Sharing = FileConversionTest;

TEST_F(Sharing, TheSourceUnderAnyNameIsRefusedAsDestination) {
    const ByteString source = Path("page.htm");
    WriteBytes(source, SourceText);
    std::filesystem::create_symlink(source, Path("link.htm"));
    std::filesystem::create_hard_link(source, Path("hard.htm"));
    std::filesystem::create_directory(Path("sub"));
    struct Case {
        const char* name;
        ByteString source;
        ByteString dest;
    };
    const Case cases[] = {
        {"same name", source, source},
        {"symbolic link", source, Path("link.htm")},
        {"hard link", source, Path("hard.htm")},
        {"another path", source, Path("sub/../page.htm")},
        {"source through the link", Path("link.htm"), source},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            RaisedMessage([&] { Convert(c.source, c.dest, ConversionDirection::Big5ToGb, true); }),
            "I/O error 32");
        EXPECT_EQ(ReadBytes(source), SourceText);
    }
    EXPECT_TRUE(FMessages.empty());
}

TEST_F(Sharing, AFileAnotherProcessReadsIsNoDestination) {
    const ByteString source = Path("a.txt");
    WriteBytes(source, SourceText);
    WriteBytes(Path("other.txt"), "other\r\n");
    OtherProcess reader([&](const auto& whileOpen) {
        TTextReader file(source);
        whileOpen();
    });
    ASSERT_TRUE(reader.Ready());

    EXPECT_EQ(RaisedMessage([&] {
                  Convert(Path("other.txt"), source, ConversionDirection::Big5ToGb, false);
              }),
              "I/O error 32");
    EXPECT_EQ(ReadBytes(source), SourceText);

    // Readers share.
    Convert(source, Path("copy.txt"), ConversionDirection::Big5ToGb, false);
    EXPECT_EQ(ReadBytes(Path("copy.txt")), SourceText);
}

TEST_F(Sharing, AFileAnotherProcessWritesIsNeitherSourceNorDestination) {
    const ByteString busy = Path("busy.txt");
    WriteBytes(busy, SourceText);
    WriteBytes(Path("other.txt"), "other\r\n");
    OtherProcess writer([&](const auto& whileOpen) {
        TTextWriter file(busy);
        file.Write("half written");
        whileOpen();
    });
    ASSERT_TRUE(writer.Ready());

    EXPECT_EQ(RaisedMessage(
                  [&] { Convert(busy, Path("out.txt"), ConversionDirection::GbToBig5, false); }),
              "I/O error 32");
    EXPECT_FALSE(Exists(Path("out.txt")));
    EXPECT_EQ(RaisedMessage(
                  [&] { Convert(Path("other.txt"), busy, ConversionDirection::GbToBig5, false); }),
              "I/O error 32");
}
