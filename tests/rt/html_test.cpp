#include "platform/rt/html.h"

#include "platform/rt/gbk.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
    const char* in;
    const char* text;       // htmlEscape
    const char* attribute;  // htmlAttributeEscape
};

const EscapeCase kCases[] = {
    {"", "", ""},
    {"plain 网址 text", "plain 网址 text", "plain&#32;网址&#32;text"},
    {"a & b", "a &amp; b", "a&#32;&amp;&#32;b"},
    {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;", "&lt;script&gt;alert(1)&lt;/script&gt;"},
    {"\"quoted\" and 'single'", "&quot;quoted&quot; and &#39;single&#39;",
     "&quot;quoted&quot;&#32;and&#32;&#39;single&#39;"},
    // An entity already in the text is text: its ampersand is escaped again.
    {"&amp;", "&amp;amp;", "&amp;amp;"},
    {"x=1`y`", "x=1`y`", "x&#61;1&#96;y&#96;"},
    {"line\r\nnext\tcol", "line\r\nnext\tcol", "line&#13;&#10;next&#9;col"},
    {"http://h/?a=1&b=<2>", "http://h/?a=1&amp;b=&lt;2&gt;", "http://h/?a&#61;1&amp;b&#61;&lt;2&gt;"},
};

TEST(HtmlEscape, TextAndAttributeForms) {
    for (const EscapeCase& c : kCases) {
        const QString in = QString::fromUtf8(c.in);
        EXPECT_EQ(rt::htmlEscape(in), QString::fromUtf8(c.text)) << c.in;
        EXPECT_EQ(rt::htmlAttributeEscape(in), QString::fromUtf8(c.attribute)) << c.in;
    }
}

TEST(HtmlEscape, EscapedTextHoldsNoMarkupCharacters) {
    QString every;
    for (int u = 1; u < 0x80; ++u) every += QChar(u);
    const QString text = rt::htmlEscape(every);
    const QString attribute = rt::htmlAttributeEscape(every);
    for (const QChar c : {QChar('<'), QChar('>'), QChar('"'), QChar('\'')}) {
        EXPECT_FALSE(text.contains(c)) << c.toLatin1();
        EXPECT_FALSE(attribute.contains(c)) << c.toLatin1();
    }
    for (const QChar c : {QChar(' '), QChar('\t'), QChar('\n'), QChar('\r'), QChar('='), QChar('`')})
        EXPECT_FALSE(attribute.contains(c)) << int(c.unicode());
    // Every ampersand left starts a reference the escape wrote.
    for (const QString& s : {text, attribute}) {
        for (int i = s.indexOf('&'); i >= 0; i = s.indexOf('&', i + 1))
            EXPECT_TRUE(s.mid(i).contains(';')) << s.mid(i, 8).toStdString();
    }
}

}  // namespace

namespace {

// Text in several scripts: GBK holds the Chinese (and the accented letters of pinyin, such as é), not
// the Hangul, the other accented letters, the Arabic or the emoji.
struct ScriptCase {
    const char* name;
    const char* text;
    const char* escaped;  // htmlEscape (text set)
};

const ScriptCase kScripts[] = {
    {"Chinese", "中文网页", "中文网页"},
    {"Hangul", "한국어", "&#54620;&#44397;&#50612;"},
    {"accents", "niño façade café", "ni&#241;o fa&#231;ade café"},
    {"Arabic", "عربي", "&#1593;&#1585;&#1576;&#1610;"},
    {"emoji", "a😀b", "a&#128512;b"},
    {"mixed with markup", "<한>&中", "&lt;&#54620;&gt;&amp;中"},
};

TEST(HtmlEscape, CharactersGbkCannotHoldBecomeReferencesAndReadBack) {
    for (const ScriptCase& c : kScripts) {
        SCOPED_TRACE(c.name);
        const QString text = QString::fromUtf8(c.text);
        const QString escaped = rt::htmlEscape(text);
        EXPECT_EQ(escaped, QString::fromUtf8(c.escaped));
        // Through a GBK file and back, exactly; the attribute form too.
        EXPECT_EQ(rt::htmlUnescape(rt::fromGbk(rt::toGbk(escaped))), text);
        EXPECT_EQ(rt::htmlUnescape(rt::fromGbk(rt::toGbk(rt::htmlAttributeEscape(text)))), text);
        // Only the characters GBK cannot hold: the last step of a page written from the program's markup.
        EXPECT_EQ(rt::htmlUnescape(rt::fromGbk(rt::toGbk(rt::htmlEscape(text, rt::kHtmlNone)))), text);
        // Source text keeps them, for the colouring that comes before the write.
        EXPECT_EQ(rt::htmlEscape(text, rt::kHtmlSource), QString(text).replace("<", "&lt;").replace(">", "&gt;"));
    }
    // A lone surrogate is kept as the reference of its code unit.
    EXPECT_EQ(rt::htmlEscape(QString(QChar(0xD800))), "&#55296;");
}

// The escape takes the ideographs U+4E00 to U+9FA5 as held by GBK without converting them: every one
// of them is, and one just outside the range beside them is still found.
TEST(HtmlEscape, IdeographsGbkHoldsAreKeptAndOthersBesideThemAreNot) {
    QString all;
    for (ushort u = 0x4E00; u <= 0x9FA5; ++u) all += QChar(u);
    EXPECT_EQ(rt::fromGbk(rt::toGbk(all)), all);
    EXPECT_EQ(rt::htmlEscape(all), all);
    EXPECT_EQ(rt::htmlEscape(all + QChar(0x9FA6) + QString::fromUtf8("한")), all + "&#40870;&#54620;");
}

TEST(HtmlEscape, SetsOfCharacters) {
    const QString in = QStringLiteral("<a b=\"c\" d='e'>\tf\r\n\fg`&");
    struct Case {
        unsigned chars;
        const char* out;
    };
    const Case cases[] = {
        {rt::kHtmlNone, "<a b=\"c\" d='e'>\tf\r\n\fg`&"},
        {rt::kHtmlSource, "&lt;a b=\"c\" d='e'&gt;\tf\r\n\fg`&"},
        {rt::kHtmlSource | rt::kHtmlBreakBeforeTags, "<br>&lt;a b=\"c\" d='e'&gt;\tf\r\n\fg`&"},
        {rt::kHtmlText | rt::kHtmlLineEnds, "&lt;a b=&quot;c&quot; d=&#39;e&#39;&gt;\tf&#13;&#10;\fg`&amp;"},
        {rt::kHtmlText | rt::kHtmlBlank | rt::kHtmlTab | rt::kHtmlLineEnds | rt::kHtmlFormFeed | rt::kHtmlBacktick,
         "&lt;a&#32;b=&quot;c&quot;&#32;d=&#39;e&#39;&gt;&#9;f&#13;&#10;&#12;g&#96;&amp;"},
    };
    for (const Case& c : cases) EXPECT_EQ(rt::htmlEscape(in, c.chars), QString::fromUtf8(c.out)) << c.out;
}

TEST(HtmlUnescape, DecodesWhatTheEscapeWritesAndLeavesOtherAmpersands) {
    EXPECT_EQ(rt::htmlUnescape("&amp;lt;"), "&lt;");
    EXPECT_EQ(rt::htmlUnescape("a&b&nbsp;&#32;c&#x4E00;&QUOT;&apos;"), QString::fromUtf8("a&b&nbsp; c一\"'"));
    EXPECT_EQ(rt::htmlUnescape("&#0;&#1114112;&#;&#x;"), "&#0;&#1114112;&#;&#x;");
    EXPECT_EQ(rt::htmlUnescape("&#128512;"), QString::fromUtf8("😀"));
}

}  // namespace
