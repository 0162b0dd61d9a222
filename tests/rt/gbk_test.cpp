#include "platform/rt/gbk.h"

#include <gtest/gtest.h>

namespace {

TEST(Gbk, ByteCounts) {
    EXPECT_EQ(rt::gbkLength(""), 0);
    EXPECT_EQ(rt::gbkLength("abc"), 3);
    EXPECT_EQ(rt::gbkLength("应用.txt"), 8);
    EXPECT_EQ(rt::gbkLength("║"), 2);
    EXPECT_EQ(rt::gbkLength("a😀b"), 3);  // outside GBK: one replacement byte
}

TEST(Gbk, CutNeverSplitsADoubleByteCharacter) {
    const struct { const char* text; int bytes; const char* cut; } cases[] = {
        {"ab中文", 3, "ab"},   {"ab中文", 4, "ab中"}, {"ab中文", 5, "ab中"}, {"ab中文", 6, "ab中文"},
        {"ab中文", 99, "ab中文"}, {"中", 1, ""},     {"abc", 0, ""},        {"a😀b", 2, "a😀"},
        {"", 5, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::gbkLeft(QString::fromUtf8(c.text), c.bytes), QString::fromUtf8(c.cut))
            << c.text << " " << c.bytes;
}

TEST(Gbk, EncodeAndDecode) {
    EXPECT_EQ(rt::toGbk("中a║"), QByteArray("\xd6\xd0" "a" "\xa8\x55"));
    EXPECT_EQ(rt::fromGbk(QByteArray("\xd6\xd0" "a" "\xa8\x55")), QString("中a║"));
    EXPECT_EQ(rt::toGbk("x😀"), QByteArray("x?"));
    EXPECT_EQ(rt::fromGbk(rt::toGbk("网页右移=-130")), QString("网页右移=-130"));
}

}  // namespace
