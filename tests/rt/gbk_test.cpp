#include "platform/rt/gbk.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QString units(std::initializer_list<ushort> codes) {
    QString s;
    for (ushort c : codes) s += QChar(c);
    return s;
}

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
        {"", 5, ""},            {"abc", -1, ""},
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

// Every character the code page cannot hold becomes one "?": none is dropped.
TEST(Gbk, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    const struct { QString text; QByteArray bytes; } cases[] = {
        {units({0xD800}), "?"},                                    // a lone high surrogate
        {QString::fromUtf8("中") + units({0xD800}), "\xd6\xd0?"},  // ... at the end, after a character
        {units({0xD800}) + QString::fromUtf8("中"), "?\xd6\xd0"},
        {QString("a") + units({0xDC00}) + "b", "a?b"},            // a lone low surrogate
        {QString("a") + units({0xDC00, 0xD800}) + "b", "a??b"},   // a pair in the wrong order
        {QString("a") + units({0xFEFF}) + "b", "a?b"},            // the codec would drop these
        {units({0x200D, 0x00AD, 0xFE0F}), "???"},
        {units({0xFFFD}), "?"},
        {QString::fromUtf8("😀中"), "?\xd6\xd0"},
        {QString(QChar(0)) + "a", QByteArray("\0a", 2)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rt::toGbk(c.text), c.bytes) << c.bytes.toHex().constData();
        EXPECT_EQ(rt::gbkLength(c.text), c.bytes.size());
    }
}

TEST(Gbk, BrokenBytesDecodeAsReplacementCharacters) {
    const QChar bad(0xFFFD);
    const struct { QByteArray bytes; QString text; } cases[] = {
        {"\xd6", QString(bad)},                        // a double-byte character cut off at the end
        {"a\xd6", QString("a") + bad},
        {"\xd6\xd0\xd6", QString::fromUtf8("中") + bad},
        {"\xd6 ", QString(bad) + " "},                 // a lead byte without a trail byte
        {"\xd6\x7f" "a", QString(bad) + QChar(0x7f) + "a"},
        {QByteArray("a\0b", 3), QString("a") + QChar(0) + "b"},  // the whole buffer is read
        {QByteArray("\0", 1), QString(QChar(0))},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::fromGbk(c.bytes), c.text) << c.bytes.toHex().constData();
}

// The counts and the cut agree with the encoding for any budget.
TEST(Gbk, CountsAndCutsMatchTheEncoding) {
    const std::vector<QString> texts = {
        QString::fromUtf8("ab中文"),
        QString::fromUtf8("a😀b中") + units({0xD800}) + "c" + units({0xFEFF, 0xDC00}) + QString::fromUtf8("║"),
        units({0xD83D}) + units({0xD83D, 0xDE00}) + "x",
        QString::fromUtf8("€·") + units({0x00AD}) + QString::fromUtf8("网"),
    };
    for (const QString& text : texts) {
        const int total = rt::toGbk(text).size();
        EXPECT_EQ(rt::gbkLength(text), total);
        for (int budget = 0; budget <= total + 1; ++budget) {
            const QString cut = rt::gbkLeft(text, budget);
            ASSERT_TRUE(text.startsWith(cut));
            const int used = rt::toGbk(cut).size();
            EXPECT_LE(used, budget) << budget;
            EXPECT_EQ(rt::gbkLength(cut), used);
            if (cut.size() < text.size()) {
                // The next character would not fit, and a pair is never split.
                const int next = text[cut.size()].isHighSurrogate() && cut.size() + 1 < text.size() &&
                                         text[cut.size() + 1].isLowSurrogate() ? 2 : 1;
                EXPECT_GT(rt::toGbk(text.left(cut.size() + next)).size(), budget) << budget;
                EXPECT_FALSE(!cut.isEmpty() && cut.back().isHighSurrogate() && text[cut.size()].isLowSurrogate());
            }
        }
    }
}

TEST(Gbk, HoldsTellsWhatSurvivesTheCodePage) {
    const struct { QString text; bool holds; } cases[] = {
        {"a", true}, {QString::fromUtf8("中"), true}, {QString::fromUtf8("€"), true},
        {QString::fromUtf8("😀"), false}, {units({0xFEFF}), false}, {units({0xD800}), false},
        {units({0xFFFD}), false}, {QString(QChar(0)), true}, {QString::fromUtf8("한"), false},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::gbkHolds(c.text, 0), c.holds) << c.text.toStdString();
    EXPECT_FALSE(rt::gbkHolds("a", 1));
}

}  // namespace
