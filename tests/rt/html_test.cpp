#include "platform/rt/html.h"

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
