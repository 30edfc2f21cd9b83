#include "FileTestSupport.h"

#include <optional>
#include <string>
#include <vector>

namespace {

ByteString Repeat(const ByteString& text, int times) {
    ByteString result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

ByteString MarkMessage(const ByteString& sourceName, int offset) {
    return "The text of " + sourceName + " ends at the end-of-file mark (Ctrl+Z) at byte offset " +
           std::to_string(offset) + "; the bytes after it were not converted.";
}

} // namespace

using LineModel = FileConversionTest;

TEST_F(LineModel, LinesAndTheirEnds) {
    struct Case {
        const char* name;
        ByteString source;
        ByteString expected;
        std::optional<int> markWithBytesAfter;
    };
    const Case cases[] = {
        {"CR LF", "one\r\ntwo\r\n", "one\r\ntwo\r\n", {}},
        {"CR only", "one\rtwo\r", "one\r\ntwo\r\n", {}},
        {"LF only is one line", "one\ntwo\n", "one\ntwo\n\r\n", {}},
        {"no final break", "one\r\ntwo", "one\r\ntwo\r\n", {}},
        {"empty file", "", "", {}},
        {"CR LF alone", "\r\n", "\r\n", {}},
        {"CR CR LF", "\r\r\n", "\r\n\r\n", {}},
        {"LF CR", "a\n\rb", "a\n\r\nb\r\n", {}},
        {"0x1A inside a line", "one\r\ntw\x1Ao\r\nthree\r\n", "one\r\ntw\r\n", 7},
        {"0x1A at the end", "one\r\n\x1A", "one\r\n", {}},
        {"0x1A after a CR", "one\r\x1A", "one\r\n", {}},
        {"0x1A alone", "\x1A", "", {}},
        {"two 0x1A", "\x1A\x1A", "", 0},
    };
    const ByteString source = Path("source.txt");
    const ByteString dest = Path("dest.txt");
    for (const Case& c : cases) {
        // The tiny buffers put a part boundary at every place in the line model.
        for (const std::size_t bufferSize :
             {std::size_t{1}, std::size_t{2}, std::size_t{3}, TTextReader::DefaultBufferSize}) {
            SCOPED_TRACE(std::string(c.name) + ", buffer " + std::to_string(bufferSize));
            WriteBytes(source, c.source);
            FMessages.clear();
            Convert(source, dest, ConversionDirection::Big5ToGb, false, {bufferSize, bufferSize});
            EXPECT_EQ(ReadBytes(dest), c.expected);
            std::vector<ByteString> expectedMessages;
            if (c.markWithBytesAfter)
                expectedMessages.push_back(MarkMessage(source, *c.markWithBytesAfter));
            EXPECT_EQ(FMessages, expectedMessages);
        }
    }
}

using CharsetRewrite = FileConversionTest;

TEST_F(CharsetRewrite, FirstDeclarationOfTheFirst21Lines) {
    using enum ConversionDirection;
    struct Case {
        const char* name;
        ConversionDirection direction;
        bool modify;
        ByteString source;
        std::vector<ByteString> expectedLines; // before conversion
    };
    std::vector<ByteString> twentyLines(20, "x");
    auto after20 = [&](const ByteString& line) {
        std::vector<ByteString> lines = twentyLines;
        lines.push_back(line);
        return lines;
    };
    std::vector<ByteString> twentyOneThenUntouched = after20("x");
    twentyOneThenUntouched.push_back("<meta charset=big5>");
    const Case cases[] = {
        {"line 21 is rewritten", Big5ToGb, true, Repeat("x\r\n", 20) + "<meta charset=big5>\r\n",
         after20("<meta charset=gb2312>")},
        {"line 22 is not", Big5ToGb, true, Repeat("x\r\n", 21) + "<meta charset=big5>\r\n",
         twentyOneThenUntouched},
        {"only the first of two",
         Big5ToGb,
         true,
         "a\r\nb\r\ncharset=big5\r\nd\r\ncharset=big5\r\n",
         {"a", "b", "charset=gb2312", "d", "charset=big5"}},
        {"only the first on a line",
         Big5ToGb,
         true,
         "charset=big5;charset=big5",
         {"charset=gb2312;charset=big5"}},
        {"upper case",
         Big5ToGb,
         true,
         "CONTENT=\"TEXT/HTML; CHARSET=BIG5\"",
         {"CONTENT=\"TEXT/HTML; charset=gb2312\""}},
        {"longer name", Big5ToGb, true, "charset=big5-hkscs", {"charset=gb2312-hkscs"}},
        {"spaces around =",
         Big5ToGb,
         true,
         "charset = big5\r\ncharset =big5",
         {"charset = big5", "charset =big5"}},
        {"LF-only file is line 1",
         Big5ToGb,
         true,
         Repeat("x\n", 30) + "Charset=Big5\n",
         {Repeat("x\n", 30) + "charset=gb2312\n"}},
        {"GB to Big5", GbToBig5, true, "<meta charset=GB2312>", {"<meta charset=big5>"}},
        {"box unticked", Big5ToGb, false, "charset=big5", {"charset=big5"}},
        {"the other direction's text", Big5ToGb, true, "charset=gb2312", {"charset=gb2312"}},
        // The lowered copy ignores characters: the trail byte 'C' of 0xA4 0x43 begins the text.
        {"trail byte lowered",
         Big5ToGb,
         true,
         "\xA4"
         "CHARSET=big5",
         {"\xA4"
          "charset=gb2312"}},
    };
    const ByteString source = Path("page.htm");
    const ByteString dest = Path("out.htm");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(source, c.source);
        Convert(source, dest, c.direction, c.modify);
        ByteString expected;
        for (const ByteString& line : c.expectedLines)
            expected += ConvertLine(c.direction, line) + "\r\n";
        EXPECT_EQ(ReadBytes(dest), expected);
    }
    EXPECT_TRUE(FMessages.empty());
}

using ConvertFailure = FileConversionTest;

TEST_F(ConvertFailure, OpeningFailsBeforeAnythingIsCreated) {
    WriteBytes(Path("a.txt"), "text\r\n");
    std::filesystem::create_directory(Path("folder"));
    struct Case {
        const char* name;
        ByteString source;
        ByteString dest;
        ByteString message;
    };
    const Case cases[] = {
        {"missing source", Path("missing.txt"), Path("out1.txt"), "File not found"},
        {"source in a missing folder", Path("nowhere/a.txt"), Path("out2.txt"), "Invalid filename"},
        {"source through a file", Path("a.txt/b.txt"), Path("out3.txt"), "Invalid filename"},
        {"empty source name", "", Path("out4.txt"), "Invalid filename"},
        {"source is a folder", Path("folder"), Path("out5.txt"), "File access denied"},
        {"destination in a missing folder", Path("a.txt"), Path("nowhere/out.txt"),
         "Invalid filename"},
        {"destination is a folder", Path("a.txt"), Path("folder"), "File access denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            RaisedMessage([&] { Convert(c.source, c.dest, ConversionDirection::Big5ToGb, false); }),
            c.message);
        if (c.dest != Path("folder")) {
            EXPECT_FALSE(Exists(c.dest));
        }
    }
    EXPECT_EQ(
        RaisedMessage([&] { Convert(Path("a.txt"), "", ConversionDirection::Big5ToGb, false); }),
        "Invalid filename");
    EXPECT_EQ(ReadBytes(Path("a.txt")), "text\r\n");
    EXPECT_TRUE(FMessages.empty());
}

TEST_F(ConvertFailure, WriteFailureInsideTheLoopIsShown) {
    // More than one output block, so that a write fails inside the loop.
    WriteBytes(Path("big.txt"), Repeat("0123456789abcdef0123456789abcdef\r\n", 8000));
    Convert(Path("big.txt"), "/dev/full", ConversionDirection::GbToBig5, false);
    EXPECT_EQ(FMessages, std::vector<ByteString>{"I/O error 112"});
}

TEST_F(ConvertFailure, WriteFailureWhileClosingIsRaised) {
    WriteBytes(Path("small.txt"), "short\r\n");
    EXPECT_EQ(RaisedMessage([&] {
                  Convert(Path("small.txt"), "/dev/full", ConversionDirection::GbToBig5, false);
              }),
              "I/O error 112");
    EXPECT_TRUE(FMessages.empty());
}

TEST_F(ConvertFailure, ReadFailureKeepsTheDestination) {
    // Reading the process's own memory at address 0 fails with EIO.
    Convert("/proc/self/mem", Path("out.txt"), ConversionDirection::Big5ToGb, false);
    EXPECT_EQ(FMessages, std::vector<ByteString>{"I/O error 1117"});
    EXPECT_EQ(ReadBytes(Path("out.txt")), "");
}
