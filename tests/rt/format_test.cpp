#include "platform/rt/format.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

TEST(NumberText, SinglePrecision) {
    const struct { float value; const char* text; } cases[] = {
        {140.0f / 15.0f, "9.333333"}, {0.7055475f, "0.7055475"}, {0.5f, "0.5"},   {0.0f, "0"},
        {-0.0f, "0"},                 {3.0f, "3"},               {-2.25f, "-2.25"}, {1234567.0f, "1234567"},
        {12345678.0f, "1.234568E+07"}, {0.0001f, "0.0001"},     {0.00001f, "1E-05"}, {1.0f / 3.0f, "0.3333333"},
        {5.960464e-08f, "5.960464E-08"},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::str(c.value), QString(c.text)) << c.text;
}

TEST(NumberText, DoublePrecision) {
    const struct { double value; const char* text; } cases[] = {
        {150.0, "150"},      {20.0, "20"},        {19.5, "19.5"},
        {1.0 / 3.0, "0.333333333333333"},          {-130.0, "-130"},
        {0.1 + 0.2, "0.3"},  {1e15, "1E+15"},     {123456789012345.0, "123456789012345"},
        {1.5e20, "1.5E+20"}, {2.5e-7, "2.5E-07"}, {-1e-300, "-1E-300"}, {1e100, "1E+100"},
        {0.0, "0"},          {-0.0, "0"},         {140.0 / 15.0, "9.33333333333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::str(c.value), QString(c.text)) << c.text;
}

TEST(NumberText, IntegersAndTruthValues) {
    EXPECT_EQ(rt::str(0), "0");
    EXPECT_EQ(rt::str(-32768), "-32768");
    EXPECT_EQ(rt::str(qint64(16748574)), "16748574");
    EXPECT_EQ(rt::str(short(7)), "7");
    EXPECT_EQ(rt::str(true), "True");
    EXPECT_EQ(rt::str(false), "False");
}

TEST(NumberText, IndependentOfTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(rt::str(2.5), "2.5");
    EXPECT_EQ(rt::str(1234567.0), "1234567");
    QLocale::setDefault(saved);
}

TEST(DateTimeText, FixedForms) {
    const QDateTime t(QDate(2024, 3, 7), QTime(9, 5, 2));
    EXPECT_EQ(rt::dateText(t), "03-07-2024");
    EXPECT_EQ(rt::timeText(t), "09:05:02");
    EXPECT_EQ(rt::timeText(QTime(23, 59, 59)), "23:59:59");
    EXPECT_EQ(rt::dateText(QDate(2023, 12, 31)), "12-31-2023");
    EXPECT_EQ(rt::year(t), 2024);
    EXPECT_EQ(rt::month(t), 3);
    EXPECT_EQ(rt::day(t), 7);
    EXPECT_EQ(rt::hour(t), 9);
    EXPECT_EQ(rt::minute(t), 5);
    EXPECT_EQ(rt::second(t), 2);
}

}  // namespace
