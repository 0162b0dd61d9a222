#include "support/error_of.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(TextFunctions, PositionsStartAtOne) {
    const QString s = "网址abc";
    EXPECT_EQ(rt::len(s), 5);
    EXPECT_EQ(rt::mid(s, 1, 2), "网址");
    EXPECT_EQ(rt::mid(s, 3), "abc");
    EXPECT_EQ(rt::mid(s, 5, 10), "c");
    EXPECT_EQ(rt::mid(s, 6), "");
    EXPECT_EQ(rt::mid(s, 2, 0), "");
    EXPECT_EQ(rt::left(s, 2), "网址");
    EXPECT_EQ(rt::left(s, 9), s);
    EXPECT_EQ(rt::right(s, 2), "bc");
    EXPECT_EQ(rt::right(s, 0), "");
}

TEST(TextFunctions, InvalidArgumentsRaiseInvalidProcedureCall) {
    const std::function<void()> calls[] = {
        [] { rt::mid("abc", 0); },
        [] { rt::mid("abc", 1, -1); },
        [] { rt::left("abc", -1); },
        [] { rt::right("abc", -1); },
        [] { rt::instr(0, "abc", "a"); },
        [] { rt::instrRev("abc", "a", 0); },
        [] { rt::instrRev("abc", "a", -2); },
        [] { rt::replace("abc", "a", "b", 0); },
        [] { rt::replace("abc", "a", "b", 1, -2); },
    };
    for (const auto& call : calls) EXPECT_EQ(errorOf(call), rt::InvalidProcedureCall);
}

TEST(TextFunctions, Instr) {
    const struct { int start; const char* text; const char* find; rt::Compare cmp; int pos; } cases[] = {
        {1, "http://a.com/http", "http", rt::BinaryCompare, 1},
        {2, "http://a.com/http", "http", rt::BinaryCompare, 14},
        {1, "xHTTP://a", "http", rt::BinaryCompare, 0},
        {1, "xHTTP://a", "http", rt::TextCompare, 2},
        {1, "abc", "", rt::BinaryCompare, 1},
        {3, "abc", "", rt::BinaryCompare, 3},
        {4, "abc", "", rt::BinaryCompare, 0},
        {1, "", "", rt::BinaryCompare, 0},
        {1, "", "a", rt::BinaryCompare, 0},
        {9, "abc", "a", rt::BinaryCompare, 0},
        {1, "标签打开", "打开", rt::BinaryCompare, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::instr(c.start, QString::fromUtf8(c.text), QString::fromUtf8(c.find), c.cmp), c.pos)
            << c.start << " " << c.text << " " << c.find;
    EXPECT_EQ(rt::instr("a.b.c", "."), 2);
    EXPECT_EQ(rt::instr("A.B", "b", rt::TextCompare), 3);
}

TEST(TextFunctions, InstrRev) {
    EXPECT_EQ(rt::instrRev("a\\b\\c.txt", "\\"), 4);
    EXPECT_EQ(rt::instrRev("abcabc", "bc"), 5);
    EXPECT_EQ(rt::instrRev("abcabc", "bc", 5), 2);  // the match must lie within the first 5
    EXPECT_EQ(rt::instrRev("abcabc", "bc", 6), 5);
    EXPECT_EQ(rt::instrRev("abcABC", "bc", -1, rt::TextCompare), 5);
    EXPECT_EQ(rt::instrRev("abc", "x"), 0);
    EXPECT_EQ(rt::instrRev("abc", ""), 3);
    EXPECT_EQ(rt::instrRev("abc", "", 2), 2);
    EXPECT_EQ(rt::instrRev("abc", "a", 9), 0);
    EXPECT_EQ(rt::instrRev("", "a"), 0);
}

TEST(TextFunctions, Replace) {
    EXPECT_EQ(rt::replace("a-b-c", "-", "+"), "a+b+c");
    EXPECT_EQ(rt::replace("a-b-c", "-", "", 1, 1), "ab-c");
    EXPECT_EQ(rt::replace("a-b-c", "-", "+", 3), "b+c");  // the result begins at `start`
    EXPECT_EQ(rt::replace("aXbx", "x", "_", 1, -1, rt::TextCompare), "a_b_");
    EXPECT_EQ(rt::replace("aXbx", "x", "_"), "aXb_");
    EXPECT_EQ(rt::replace("abc", "", "_"), "abc");
    EXPECT_EQ(rt::replace("abc", "b", "_", 1, 0), "abc");
    EXPECT_EQ(rt::replace("abc", "b", "_", 4), "");
    EXPECT_EQ(rt::replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(rt::replace("%s%", "%s%", "搜索"), "搜索");
}

TEST(TextFunctions, TrimRemovesSpacesOnly) {
    EXPECT_EQ(rt::trim("  a b  "), "a b");
    EXPECT_EQ(rt::ltrim("  a "), "a ");
    EXPECT_EQ(rt::rtrim("  a "), "  a");
    EXPECT_EQ(rt::trim("\ta\t"), "\ta\t");
    EXPECT_EQ(rt::trim("   "), "");
    EXPECT_EQ(rt::lcase("AbC中"), "abc中");
    EXPECT_EQ(rt::ucase("AbC中"), "ABC中");
}

}  // namespace
