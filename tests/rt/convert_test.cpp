#include "support/error_of.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

constexpr int kOk = 0;
constexpr int kMismatch = rt::TypeMismatch;
constexpr int kOverflow = rt::Overflow;

struct GrammarCase {
    const char* text;
    int doubleError;   // what toDouble raises
    double value;      // toDouble's result when it returns
    int int32Error;    // what toInt32 raises
    qint32 int32;
    int int16Error;    // what toInt16 raises
    qint16 int16;
};

// One table for the number grammar shared by every strict conversion and the lenient test.
const GrammarCase kGrammar[] = {
    {"12", kOk, 12, kOk, 12, kOk, 12},
    {"  12  ", kOk, 12, kOk, 12, kOk, 12},
    {"\t7\t", kOk, 7, kOk, 7, kOk, 7},
    {"+3", kOk, 3, kOk, 3, kOk, 3},
    {"-130", kOk, -130, kOk, -130, kOk, -130},
    {"1.25", kOk, 1.25, kOk, 1, kOk, 1},
    {".5", kOk, 0.5, kOk, 0, kOk, 0},
    {"5.", kOk, 5, kOk, 5, kOk, 5},
    {"-0.5", kOk, -0.5, kOk, 0, kOk, 0},
    {"0.5", kOk, 0.5, kOk, 0, kOk, 0},
    {"1.5", kOk, 1.5, kOk, 2, kOk, 2},
    {"2.5", kOk, 2.5, kOk, 2, kOk, 2},
    {"3.5", kOk, 3.5, kOk, 4, kOk, 4},
    {"-2.5", kOk, -2.5, kOk, -2, kOk, -2},
    {"2.51", kOk, 2.51, kOk, 3, kOk, 3},
    {"1e3", kOk, 1000, kOk, 1000, kOk, 1000},
    {"1E+3", kOk, 1000, kOk, 1000, kOk, 1000},
    {"2.5e-1", kOk, 0.25, kOk, 0, kOk, 0},
    {"1d2", kOk, 100, kOk, 100, kOk, 100},
    {"1.e2", kOk, 100, kOk, 100, kOk, 100},
    {" +.5e1 ", kOk, 5, kOk, 5, kOk, 5},
    {"007", kOk, 7, kOk, 7, kOk, 7},
    {".e1", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"&H10", kOk, 16, kOk, 16, kOk, 16},
    {" &hff ", kOk, 255, kOk, 255, kOk, 255},
    {"&H8000000F", kOk, -2147483633.0, kOk, -2147483633, kOverflow, 0},
    {"&HFFFFFFFF", kOk, -1, kOk, -1, kOk, -1},
    {"&H100000000", kOverflow, 0, kOverflow, 0, kOverflow, 0},
    {"32767", kOk, 32767, kOk, 32767, kOk, 32767},
    {"32768", kOk, 32768, kOk, 32768, kOverflow, 0},
    {"-32768", kOk, -32768, kOk, -32768, kOk, -32768},
    {"-32768.5", kOk, -32768.5, kOk, -32768, kOk, -32768},
    {"32767.5", kOk, 32767.5, kOk, 32768, kOverflow, 0},
    {"2147483647", kOk, 2147483647.0, kOk, 2147483647, kOverflow, 0},
    {"2147483648", kOk, 2147483648.0, kOverflow, 0, kOverflow, 0},
    {"-2147483648", kOk, -2147483648.0, kOk, qint32(-2147483647 - 1), kOverflow, 0},
    {"1e400", kOverflow, 0, kOverflow, 0, kOverflow, 0},
    {"", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"   ", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"abc", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"12abc", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"1,5", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"1 2", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"- 1", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"--1", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {".", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"-", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"1e", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"e3", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"&H", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"&HG1", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"-&H10", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"0x10", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"True", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"１２", kMismatch, 0, kMismatch, 0, kMismatch, 0},
    {"12\n", kMismatch, 0, kMismatch, 0, kMismatch, 0},
};

void PrintTo(const GrammarCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Grammar : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(Grammar, StrictConversionsAndTheLenientTestAgree) {
    const GrammarCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    std::optional<double> d;
    EXPECT_EQ(errorOf([&] { d = rt::toDouble(text); }), c.doubleError);
    if (c.doubleError == kOk) {
        ASSERT_TRUE(d.has_value());
        EXPECT_DOUBLE_EQ(*d, c.value);
    }
    std::optional<qint32> i32;
    EXPECT_EQ(errorOf([&] { i32 = rt::toInt32(text); }), c.int32Error);
    if (c.int32Error == kOk) {
        EXPECT_EQ(*i32, c.int32);
    }
    std::optional<qint16> i16;
    EXPECT_EQ(errorOf([&] { i16 = rt::toInt16(text); }), c.int16Error);
    if (c.int16Error == kOk) {
        EXPECT_EQ(*i16, c.int16);
    }
    EXPECT_EQ(rt::isNumeric(text), c.doubleError == kOk);
    // A colour value is the 32-bit conversion.
    EXPECT_EQ(errorOf([&] { rt::toColor(text); }), c.int32Error);
}

INSTANTIATE_TEST_SUITE_P(Table, Grammar, ::testing::ValuesIn(kGrammar));

TEST(Conversions, NoNegativeZero) {
    EXPECT_FALSE(std::signbit(rt::toDouble("-0")));
    EXPECT_FALSE(std::signbit(rt::toDouble("-0.0e5")));
}

TEST(Conversions, NumbersRoundHalfToEven) {
    const struct { double in; qint32 out; } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-1.5, -2}, {-0.4, 0}, {9.333333, 9}, {-9.6, -10}};
    for (const auto& c : cases) EXPECT_EQ(rt::toInt32(c.in), c.out) << c.in;
    EXPECT_EQ(errorOf([] { rt::toInt16(40000.0); }), kOverflow);
    EXPECT_EQ(errorOf([] { rt::toInt32(NAN); }), kOverflow);
}

TEST(Conversions, TruthValues) {
    const struct { const char* text; int error; bool value; } cases[] = {
        {"True", kOk, true},    {"false", kOk, false}, {"TRUE", kOk, true}, {" False ", kOk, false},
        {"1", kOk, true},       {"0", kOk, false},     {"-1", kOk, true},   {"0.0", kOk, false},
        {"2.5", kOk, true},     {"&H0", kOk, false},   {"", kMismatch, false},
        {"yes", kMismatch, false}, {"Truee", kMismatch, false}, {"有", kMismatch, false},
    };
    for (const auto& c : cases) {
        bool v = !c.value;
        EXPECT_EQ(errorOf([&] { v = rt::toBool(QString::fromUtf8(c.text)); }), c.error) << c.text;
        if (c.error == kOk) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
}

TEST(Conversions, ValReadsTheLeadingNumber) {
    const struct { const char* text; double value; } cases[] = {
        {"12abc", 12},     {"abc", 0},      {"", 0},          {"  -3.5e2x", -350}, {" 1 2 3", 123},
        {"1e", 1},         {"1.5.6", 1.5},  {"&HFF", 255},    {"&H", 0},           {"-", 0},
        {".5px", 0.5},     {"1,5", 1},      {"\t\n7", 7},     {"10%", 10},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(rt::val(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(errorOf([] { rt::val("9e999"); }), kOverflow);
}

}  // namespace
