#include "TCodePage.h"

#include "Exception.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    const char* codePage;
    const char* text;
    const char* bytes;
    std::size_t replaced;
};

const EncodeCase Encodings[] = {
    {"CP936", "机器", "\xBB\xFA\xC6\xF7", 0},
    {"CP950", "機器", "\xBE\xF7\xBE\xB9", 0},
    {"CP936", "abc\n", "abc\n", 0},
    {"CP936", "a😀b", "a?b", 1},
    {"CP950", "😀😀", "??", 2},
    {"UTF-8", "机", "机", 0},
    {"CP936", "", "", 0},
};

TEST(CodePageTest, EncodesAndReplacesWhatItCannotHold) {
    for (const EncodeCase& c : Encodings) {
        TCodePage codePage(c.codePage);
        const TCodePage::Encoded encoded = codePage.Encode(c.text);
        EXPECT_EQ(encoded.bytes, c.bytes) << c.codePage << " " << c.text;
        EXPECT_EQ(encoded.replaced, c.replaced) << c.codePage << " " << c.text;
    }
}

TEST(CodePageTest, DecodesAndMarksBytesWithoutACharacter) {
    TCodePage big5("CP950");
    EXPECT_EQ(big5.Decode("\xBE\xF7\xBE\xB9"), "機器");
    EXPECT_EQ(big5.Decode("a\xFF"
                          "b"),
              "a\uFFFD"
              "b");
    EXPECT_EQ(big5.Decode("\x81\x40"), "\uFFFD@"); // 0x81 leads no Big5 character
    EXPECT_EQ(big5.Decode("a\xBE"), "a\uFFFD");    // a lead byte at the end
}

TEST(CodePageTest, LongTextGoesThroughWhole) {
    TCodePage gb("CP936");
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += "机";
    const TCodePage::Encoded encoded = gb.Encode(text);
    EXPECT_EQ(encoded.bytes.size(), 20000u);
    EXPECT_EQ(gb.Decode(encoded.bytes), text);
}

TEST(CodePageTest, UnknownCodePageRaises) {
    EXPECT_THROW(TCodePage("NO-SUCH-CODE-PAGE"), Exception);
}

} // namespace
