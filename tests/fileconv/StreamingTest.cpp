#include "FileTestSupport.h"

#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The file conversion done the plain way, a whole line at a time, to hold the
// streaming conversion against.
class WholeLineConversion {
  public:
    WholeLineConversion(ConversionDirection direction, bool modifyCharset)
        : FSearched(direction == ConversionDirection::Big5ToGb ? "charset=big5" : "charset=gb2312"),
          FReplacement(direction == ConversionDirection::Big5ToGb ? "charset=gb2312"
                                                                  : "charset=big5"),
          FSearching(modifyCharset) {}

    // The lines of `content`, and a note of bytes after an end-of-file mark.
    static std::vector<ByteString> Lines(const ByteString& content) {
        const std::string_view input = std::string_view(content).substr(0, content.find('\x1A'));
        std::vector<ByteString> lines;
        std::size_t i = 0;
        while (i < input.size()) {
            const std::size_t cr = input.find('\r', i);
            lines.emplace_back(input.substr(i, cr == input.npos ? input.npos : cr - i));
            if (cr == input.npos)
                break;
            i = cr + 1;
            if (i < input.size() && input[i] == '\n')
                ++i;
        }
        return lines;
    }

    // Rewrites the declaration of a line as a whole, while searching.
    void Rewrite(ByteString& line) {
        if (!FSearching)
            return;
        ByteString lowered = line;
        for (char& byte : lowered) {
            if (byte >= 'A' && byte <= 'Z')
                byte = static_cast<char>(byte + 32);
        }
        const std::size_t found = lowered.find(FSearched);
        if (found != ByteString::npos) {
            line.replace(found, FSearched.size(), FReplacement);
            FSearching = false;
        }
        if (++FSearchedLines > 20)
            FSearching = false;
    }

  private:
    const ByteString FSearched;
    const ByteString FReplacement;
    bool FSearching;
    int FSearchedLines = 0;
};

// Text that is dense in what the streaming has to get right at a boundary:
// declarations and their beginnings in mixed case, lead bytes, CR, LF, 0x1A.
ByteString GeneratedText(std::mt19937& random) {
    static const std::string_view declarations[] = {"charset=big5", "charset=gb2312"};
    static const std::string_view letters = "cChHaArRsSeEtT=bBiIgG5 -";
    static const std::string_view breaks[] = {"\r", "\n", "\r\n"};
    auto below = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    ByteString text;
    const std::size_t pieces = below(200);
    for (std::size_t i = 0; i < pieces; ++i) {
        const std::size_t kind = below(100);
        if (kind < 20) {
            std::string_view declaration = declarations[below(2)];
            if (below(2) == 0)
                declaration = declaration.substr(0, 1 + below(declaration.size()));
            for (char byte : declaration)
                text += below(3) == 0 && byte >= 'a' ? static_cast<char>(byte - 32) : byte;
        } else if (kind < 50) {
            text += letters[below(letters.size())];
        } else if (kind < 80) {
            text += static_cast<char>(0x80 + below(0x80));
        } else if (kind < 99) {
            text += breaks[below(3)];
        } else {
            text += '\x1A';
        }
    }
    return text;
}

} // namespace

using Streaming = FileConversionTest;

TEST_F(Streaming, TinyPartsGiveTheOutputOfWholeLines) {
    std::mt19937 random(20240611);
    const ByteString source = Path("source.txt");
    const ByteString dest = Path("dest.txt");
    for (int input = 0; input < 150; ++input) {
        const ByteString text = GeneratedText(random);
        WriteBytes(source, text);
        for (const auto direction :
             {ConversionDirection::Big5ToGb, ConversionDirection::GbToBig5}) {
            const bool modify = input % 4 != 0;
            WholeLineConversion whole(direction, modify);
            ByteString expected;
            for (ByteString line : WholeLineConversion::Lines(text)) {
                whole.Rewrite(line);
                expected += ConvertLine(direction, line) + "\r\n";
            }
            const std::size_t mark = text.find('\x1A');
            const std::size_t expectedMessages = mark != ByteString::npos && mark + 1 < text.size();

            for (std::size_t readSize = 1; readSize <= 17; ++readSize) {
                const std::size_t writeSize = 1 + (readSize * 5 + input) % 17;
                SCOPED_TRACE("input " + std::to_string(input) + ", read buffer " +
                             std::to_string(readSize) + ", write buffer " +
                             std::to_string(writeSize));
                FMessages.clear();
                // A new file each time: closing a truncated one waits for the disk.
                std::filesystem::remove(dest);
                Convert(source, dest, direction, modify, {readSize, writeSize});
                ASSERT_EQ(ReadBytes(dest), expected);
                ASSERT_EQ(FMessages.size(), expectedMessages);
            }
        }
    }
}

TEST_F(Streaming, ALongLineCutInsideItsDeclaration) {
    // One LF-only line, longer than the buffer, its declaration cut after
    // `cut` of its bytes by the buffer's end.
    const ByteString tail = "\n" + ByteString(100000, 'y') + "\n";
    for (std::size_t cut = 0; cut <= 14; ++cut) {
        SCOPED_TRACE(cut);
        const ByteString head(TTextReader::DefaultBufferSize - cut, 'x');
        WriteBytes(Path("long.htm"), head + "CHARSET=GB2312" + tail);
        Convert(Path("long.htm"), Path("out.htm"), ConversionDirection::GbToBig5, true);
        ASSERT_EQ(ReadBytes(Path("out.htm")),
                  ConvertLine(ConversionDirection::GbToBig5, head + "charset=big5" + tail) +
                      "\r\n");
    }
}
