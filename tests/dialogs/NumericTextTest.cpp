#include "dialogs/NumericText.h"

#include <gtest/gtest.h>

namespace {

TEST(NumericText, ReadsDecimalNumbersWithSignFractionExponentAndSpaces)
{
    EXPECT_EQ(NumericText::value(QStringLiteral("250")), 250.0);
    EXPECT_EQ(NumericText::value(QStringLiteral(" -2.5 ")), -2.5);
    EXPECT_EQ(NumericText::value(QStringLiteral("+7")), 7.0);
    EXPECT_EQ(NumericText::value(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(NumericText::value(QStringLiteral(".5")), 0.5);
}

TEST(NumericText, ReadsNumbersTypedInFullWidth)
{
    EXPECT_EQ(NumericText::value(QStringLiteral("６４０")), 640.0);
    EXPECT_EQ(NumericText::value(QStringLiteral("\u3000－２．５\u3000")), -2.5);
    EXPECT_EQ(NumericText::value(QStringLiteral("＋１ｅ３")), 1000.0);
}

TEST(NumericText, RefusesEmptyTextLettersAndNonFiniteValues)
{
    for (const char* text : {"", " ", "-", "abc", "12a", "0x10", "inf", "nan", "1e999"}) {
        EXPECT_FALSE(NumericText::value(QString::fromLatin1(text)).has_value()) << text;
    }
}

}  // namespace
