#include "BIG2GB.h"
#include "ConversionDirection.h"
#include "GB2BIG.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Direction = ConversionDirection;

class Converters : public testing::Test {
  protected:
    ByteString Convert(Direction direction, const ByteString& source) {
        return direction == Direction::Big5ToGb ? FBig2Gb.Convert(source) : FGb2Big.Convert(source);
    }

    // Converts `line` handed over in the parts [0, first), [first, second), [second, end).
    ByteString ConvertInParts(Direction direction, const ByteString& line, std::size_t first,
                              std::size_t second) {
        const std::string_view whole(line);
        std::string out;
        PendingLead pending;
        const std::string_view parts[] = {
            whole.substr(0, first), whole.substr(first, second - first), whole.substr(second)};
        for (const std::string_view part : parts) {
            if (direction == Direction::Big5ToGb)
                FBig2Gb.ConvertPart(part, out, pending);
            else
                FGb2Big.ConvertPart(part, out, pending);
        }
        if (direction == Direction::Big5ToGb)
            FBig2Gb.FinishLine(out, pending);
        else
            FGb2Big.FinishLine(out, pending);
        return out;
    }

    TBIG2GB FBig2Gb;
    TGB2BIG FGb2Big;
};

std::string Bytes(unsigned first, unsigned last) {
    std::string bytes;
    for (unsigned b = first; b <= last; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

struct Case {
    Direction direction;
    ByteString source;
    ByteString expected;
    const char* what;
};

const char* Name(Direction direction) {
    return direction == Direction::Big5ToGb ? "TBIG2GB" : "TGB2BIG";
}

} // namespace

TEST_F(Converters, EdgeCases) {
    const std::string ascii = "Hello, World! 0-9 ~\t\r\n";
    const Case cases[] = {
        {Direction::Big5ToGb, "", "", "empty"},
        {Direction::GbToBig5, "", "", "empty"},
        {Direction::Big5ToGb, ascii, ascii, "ASCII unchanged"},
        {Direction::GbToBig5, ascii, ascii, "ASCII unchanged"},
        {Direction::Big5ToGb, Bytes(0x80, 0xA0), Bytes(0x80, 0xA0), "0x80..0xA0 unchanged"},
        {Direction::GbToBig5, Bytes(0x80, 0xA0), Bytes(0x80, 0xA0), "0x80..0xA0 unchanged"},
        {Direction::Big5ToGb, "\xA4\x40", "\xD2\xBB", "一"},
        {Direction::GbToBig5, "\xCA\xA5", "\xB8\x74", "圣 -> 聖"},
        {Direction::Big5ToGb, "\xB7\xF7", "  ", "痳 has no counterpart"},
        {Direction::Big5ToGb, "\xA4\x41", "\xD2\xD2", "乙: an ASCII trail byte is consumed"},
        {Direction::Big5ToGb,
         "A\xA4\x41"
         "B",
         "A\xD2\xD2"
         "B",
         "乙 between letters"},
        {Direction::Big5ToGb, "\xA4\n", "  ", "LF after a lead byte is its trail byte"},
        {Direction::Big5ToGb, "\xA4\x40\r\n", "\xD2\xBB\r\n", "CR LF after a pair pass"},
        {Direction::Big5ToGb, "\xA4\x40\xA4", "\xD2\xBB  ", "final lead byte"},
        {Direction::GbToBig5, "\xCA\xA5\xCA", "\xB8\x74  ", "final lead byte"},
        {Direction::Big5ToGb, "\xA0", "\xA0", "single byte 0xA0"},
        {Direction::GbToBig5, "\xA0", "\xA0", "single byte 0xA0"},
        {Direction::Big5ToGb, "\xA1", "  ", "single byte 0xA1: index outside the table"},
        {Direction::GbToBig5, "\xA1", "  ", "single byte 0xA1: index outside the table"},
        {Direction::Big5ToGb, "\xA4\x40\xFA\x40", "\xD2\xBB  ", "outside, after a pair"},
        {Direction::GbToBig5, "\xCA\xA5\xA1\x40", "\xB8\x74  ", "outside, after a pair"},
        {Direction::Big5ToGb, "\xA1\x3F", "  ", "below the base"},
        {Direction::Big5ToGb, "\xF9\xFF", "  ", "one above the last code"},
        {Direction::GbToBig5, "\xFF\xFF", "  ", "one above the last code"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Convert(c.direction, c.source), c.expected)
            << Name(c.direction) << ": " << c.what;
}

TEST_F(Converters, FinalLeadBytePairsWithZeroAndGivesSpaces) {
    for (unsigned lead = 0xA2; lead <= 0xF9; ++lead)
        EXPECT_EQ(FBig2Gb.Convert(std::string(1, static_cast<char>(lead))), "  ") << lead;
    for (unsigned lead = 0xA2; lead <= 0xFF; ++lead)
        EXPECT_EQ(FGb2Big.Convert(std::string(1, static_cast<char>(lead))), "  ") << lead;
}

TEST_F(Converters, EveryPairGivesTwoBytesAndEverySingleByteOne) {
    for (const Direction direction : {Direction::Big5ToGb, Direction::GbToBig5}) {
        for (unsigned code = 0; code <= 0xFFFF; ++code) {
            const ByteString source{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
            ByteString result;
            ASSERT_NO_THROW(result = Convert(direction, source)) << Name(direction) << code;
            if (code >> 8 <= 0xA0) {
                // Two single bytes: the first passes, the second leads or passes.
                ASSERT_EQ(result.size(), (code & 0xFF) <= 0xA0 ? 2u : 3u) << code;
                ASSERT_EQ(result[0], source[0]) << code;
            } else {
                ASSERT_EQ(result.size(), 2u) << Name(direction) << " " << code;
                ASSERT_EQ(result.find('\0'), ByteString::npos) << code;
            }
        }
        for (unsigned b = 0; b <= 0xA0; ++b)
            ASSERT_EQ(Convert(direction, std::string(1, static_cast<char>(b))),
                      std::string(1, static_cast<char>(b)));
        for (unsigned b = 0xA1; b <= 0xFF; ++b)
            ASSERT_EQ(Convert(direction, std::string(1, static_cast<char>(b))).size(), 2u);
    }
}

TEST_F(Converters, LineInPartsGivesTheSameBytesAsTheWholeLine) {
    const Case lines[] = {
        // A 一 b 乙 痳 臺, then a final lead byte.
        {Direction::Big5ToGb,
         "A\xA4\x40"
         " b\xA4\x41\xB7\xF7\xBB\x4F\xA4",
         "", "Big5 line"},
        // x 圣 机 y 听, then a final lead byte.
        {Direction::GbToBig5,
         "x\xCA\xA5\xBB\xFA"
         "y\xCC\xFD\xB0",
         "", "GB2312 line"},
    };
    for (const Case& line : lines) {
        const ByteString whole = Convert(line.direction, line.source);
        const std::size_t n = line.source.size();
        for (std::size_t first = 0; first <= n; ++first)
            for (std::size_t second = first; second <= n; ++second)
                EXPECT_EQ(ConvertInParts(line.direction, line.source, first, second), whole)
                    << line.what << " split at " << first << " and " << second;
    }
}
