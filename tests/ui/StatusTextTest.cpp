#include "StatusText.h"

#include <gtest/gtest.h>

namespace {

struct AccomplishedCase {
    double seconds;
    QLocale locale;
    const char* text;
};

TEST(StatusTextTest, ThreeDecimalsWithTheLocalesSeparatorAndNoGrouping) {
    const AccomplishedCase cases[] = {
        {0.0, QLocale::c(), "Accomplished in 0.000 seconds"},
        {1.5, QLocale(QLocale::English, QLocale::UnitedStates), "Accomplished in 1.500 seconds"},
        {1.5, QLocale(QLocale::German, QLocale::Germany), "Accomplished in 1,500 seconds"},
        {0.0125, QLocale(QLocale::French, QLocale::France), "Accomplished in 0,013 seconds"},
        {1234.5678, QLocale(QLocale::English, QLocale::UnitedStates),
         "Accomplished in 1234.568 seconds"},
        {1234.5678, QLocale(QLocale::German, QLocale::Germany), "Accomplished in 1234,568 seconds"},
    };
    for (const AccomplishedCase& c : cases)
        EXPECT_EQ(AccomplishedText(c.seconds, c.locale), c.text) << c.seconds;
}

TEST(StatusTextTest, ReplacedCharactersAreCountedOnlyWhenThereAreAny) {
    EXPECT_EQ(ReplacedNote(0, "GB2312"), "");
    EXPECT_EQ(ReplacedNote(1, "Big5"), "; 1 character not in Big5 became \"?\"");
    EXPECT_EQ(ReplacedNote(12, "GB2312"), "; 12 characters not in GB2312 became \"?\"");
}

} // namespace
