#include "shared/sharedstate.h"

#include <gtest/gtest.h>

namespace {
QString format(SharedState &state, std::int32_t value, bool tenths = false) {
    state.FormatValue = value;
    state.DecimalFormat = tenths ? 1 : 0;
    state.FormatNumber();
    return state.FormatText;
}
} // namespace

TEST(FormatNumber, WritesFullWidthDigitsWithoutLeadingZeros) {
    SharedState state(QString{});
    EXPECT_EQ(format(state, 0), "０");
    EXPECT_EQ(format(state, 7), "７");
    EXPECT_EQ(format(state, 10), "１０");
    EXPECT_EQ(format(state, 100), "１００");
    EXPECT_EQ(format(state, 120), "１２０");
    EXPECT_EQ(format(state, 10000000), "１０００００００");
    EXPECT_EQ(format(state, 99999999), "９９９９９９９９");
    EXPECT_EQ(format(state, 123456789), "１２３４５６７８９") << "past eight digits every digit is still written";
}

TEST(FormatNumber, TenthsHaveAHalfWidthPointBeforeTheLastDigit) {
    SharedState state(QString{});
    EXPECT_EQ(format(state, 0, true), "０.０");
    EXPECT_EQ(state.DecimalFormat, 0) << "the tenths flag is used up";
    EXPECT_EQ(format(state, 0), "０") << "and the next number is whole again";
    EXPECT_EQ(format(state, 5, true), "０.５");
    EXPECT_EQ(format(state, 10, true), "１.０");
    EXPECT_EQ(format(state, 1000, true), "１００.０");
    EXPECT_EQ(format(state, 1234, true), "１２３.４");
}

TEST(FormatNumber, NegativeNumbersStartWithAFullWidthMinus) {
    SharedState state(QString{});
    EXPECT_EQ(format(state, -1), "－１");
    EXPECT_EQ(format(state, -15, true), "－１.５");
    EXPECT_EQ(formatFullWidth(-250), "－２５０");
}

TEST(FormatNumber, UsesUpItsInput) {
    SharedState state(QString{});
    format(state, 1234);
    EXPECT_NE(state.FormatValue, 1234);
    EXPECT_EQ(state.FormatValue, 4) << "what is left is the last digit written";
}

TEST(DigitToText, FullWidthDigitsOnlyForZeroToNine) {
    SharedState state(QString{});
    state.DigitValue = 0;
    state.DigitToText();
    EXPECT_EQ(state.DigitText, "０");
    state.DigitValue = 9;
    state.DigitToText();
    EXPECT_EQ(state.DigitText, "９");
    state.DigitValue = 10;
    state.DigitToText();
    EXPECT_EQ(state.DigitText, "９") << "other values leave the glyph unchanged";
}

TEST(NameTables, GenresAndSkillsAsTheGameNamesThem) {
    SharedState state(QString{});
    state.InitNameTables();
    EXPECT_TRUE(state.GenreName[0].isEmpty());
    EXPECT_EQ(state.GenreName[1], "ＴＶゲーム");
    EXPECT_EQ(state.GenreName[2], "漫画・アニメ");
    EXPECT_EQ(state.GenreName[6], "ＴＶ・映画");
    EXPECT_EQ(state.GenreName[8], "スポーツ");
    EXPECT_TRUE(state.GenreName[9].isEmpty());
    int skills = 0;
    for (const QString &name : state.SkillName)
        skills += !name.isEmpty();
    EXPECT_EQ(skills, 15);
    EXPECT_EQ(state.SkillName[22], "ボーナス点");
    EXPECT_EQ(state.SkillName[25], "世界");
    EXPECT_TRUE(state.SkillName[8].isEmpty());
    EXPECT_TRUE(state.SkillName[12].isEmpty());
}
