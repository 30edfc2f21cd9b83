#include "FileTestSupport.h"

#include <fcntl.h>

namespace {

// Opens a file as the shell opens a redirected standard stream.
TFileHandle OpenAsStream(const ByteString& fileName, int flags) {
    return TFileHandle(::open(fileName.c_str(), flags | O_CLOEXEC, 0644));
}

class ConvertStreamTest : public FileConversionTest {
  protected:
    bool ConvertOpen(TTextReader& source, TTextWriter& dest) {
        return ConvertStream(source, dest, "input", ConversionDirection::GbToBig5, false,
                             Converters{FBig5ToGb, FGbToBig5},
                             [this](const ByteString& message) { FMessages.push_back(message); });
    }
};

TEST_F(ConvertStreamTest, OpenStreamsGiveWhatConvertFileGives) {
    const ByteString text = "\xD6\xD0\xCE\xC4 one\r\ntwo\nthree\r\xB0";
    WriteBytes(Path("source"), text);
    Convert(Path("source"), Path("expected"), ConversionDirection::GbToBig5, false);
    // Output appended to what the stream already holds, which is kept.
    WriteBytes(Path("dest"), "kept\r\n");

    TTextReader source(OpenAsStream(Path("source"), O_RDONLY));
    TTextWriter dest(OpenAsStream(Path("dest"), O_WRONLY | O_APPEND));
    EXPECT_TRUE(ConvertOpen(source, dest));
    EXPECT_EQ(ReadBytes(Path("dest")), "kept\r\n" + ReadBytes(Path("expected")));
    EXPECT_TRUE(FMessages.empty());
}

TEST_F(ConvertStreamTest, FailureInsideTheLoopIsShownAndReturnsFalse) {
    // More than one write buffer, so that a write fails inside the loop.
    WriteBytes(Path("source"), ByteString(3 * TTextWriter::DefaultBufferSize, 'a'));
    TTextReader source(OpenAsStream(Path("source"), O_RDONLY));
    TTextWriter dest(OpenAsStream("/dev/full", O_WRONLY));
    EXPECT_FALSE(ConvertOpen(source, dest));
    EXPECT_EQ(FMessages, std::vector<ByteString>{"I/O error 112"});
}

} // namespace
