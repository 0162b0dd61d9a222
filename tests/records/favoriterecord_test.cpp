#include "records/favoriterecord.h"

#include "platform/rt/gbk.h"
#include "platform/rt/html.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <vector>

namespace {

QDateTime at(int h, int m, int s) { return QDateTime(QDate(2023, 12, 8), QTime(h, m, s)); }

TEST(FavoriteRecord, LineHasTheRecordShape) {
    const FavoriteRecord r =
        FavoriteRecord::make(at(21, 5, 33), "www.example.com", "0.7055475", FavoriteRecord::typedText("www.example.com"));
    EXPECT_EQ(r.toLine(),
              QString::fromUtf8("<label>12-08-2023　晚上21:05:33</label>　<a href=javascript:; "
                                "title=www.example.com id=0.7055475>www：example：com</a><br><br>"));
}

TEST(FavoriteRecord, PeriodWordTable) {
    struct Case {
        const char* time;
        const char* word;
    };
    const std::vector<Case> cases = {
        {"00:30:00", "转钟"}, {"01:00:00", "凌晨"}, {"04:59:59", "凌晨"}, {"05:00:00", "清早"},
        {"06:00:00", "早上"}, {"08:59:59", "早上"}, {"09:00:00", "上午"}, {"11:59:59", "上午"},
        {"12:00:00", "中午"}, {"13:00:00", "下午"}, {"17:59:59", "下午"}, {"18:00:00", "傍晚"},
        {"19:59:59", "夜幕"}, {"20:00:00", "晚上"}, {"23:59:59", "晚上"}, {"24:00:00", ""},
        {"", ""},             {"x1:00:00", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FavoriteRecord::periodWord(c.time), QString::fromUtf8(c.word)) << c.time;
}

TEST(FavoriteRecord, LabelComesFromOneReadingAtAnHourBoundary) {
    // 18:59:59.999: the word must belong to the hour shown, whatever the clock does afterwards.
    const QDateTime when(QDate(2024, 1, 2), QTime(18, 59, 59, 999));
    EXPECT_EQ(FavoriteRecord::labelAt(when), QString::fromUtf8("01-02-2024　傍晚18:59:59"));
}

TEST(FavoriteRecord, LabelHasWesternDigitsUnderAnySystemLocale) {
    const QDateTime when(QDate(2024, 1, 2), QTime(21, 5, 33));
    EXPECT_EQ(FavoriteRecord::labelAt(when), QString::fromUtf8("01-02-2024　晚上21:05:33"));
    EXPECT_EQ(FavoriteRecord::periodWord(QString::fromUtf8("٢١:٠٥:٣٣")), "");
    if (qEnvironmentVariableIsSet("ZV_LOCALE_CHILD")) return;
    // The system locale is read once per process: run this test again in a process whose locale
    // writes its own digits.
    for (const char* locale : {"ar_EG.UTF-8", "fa_IR.UTF-8"}) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", locale);
        env.insert("LANG", locale);
        env.insert("ZV_LOCALE_CHILD", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=FavoriteRecord.LabelHasWesternDigitsUnderAnySystemLocale"});
        ASSERT_TRUE(child.waitForFinished(60000)) << locale;
        EXPECT_EQ(child.exitCode(), 0) << locale << "\n" << child.readAll().toStdString();
    }
}

TEST(FavoriteRecord, MarkupInAnAddressIsEscapedAndReadBackWhole) {
    const QString address = QStringLiteral("a.com/\"><script>alert('x')</script> id=9&b=1");
    const FavoriteRecord r =
        FavoriteRecord::make(at(9, 0, 0), address, "0.5", FavoriteRecord::typedText(address));
    const QString line = r.toLine();
    EXPECT_FALSE(line.contains("<script>"));
    EXPECT_FALSE(line.contains("\">"));
    // The line keeps its shape: the first " id=" after the title is the record's id.
    EXPECT_TRUE(line.mid(line.indexOf(" id=")).startsWith(" id=0.5>"));
    EXPECT_TRUE(line.endsWith("</a><br><br>"));
    EXPECT_EQ(FavoriteRecord::addressOf(line), address);
    const FavoriteRecord back = FavoriteRecord::fromLine(line);
    EXPECT_EQ(back.address, address);
    EXPECT_EQ(back.id, "0.5");
    EXPECT_EQ(back.text, FavoriteRecord::typedText(address));
    EXPECT_EQ(back.label, r.label);
}

TEST(FavoriteRecord, CharactersOutsideTheFileCodePageSurviveTheFile) {
    const QString address = QString::fromUtf8("http://한국.kr/😀?q=中文");
    const QString line =
        FavoriteRecord::make(at(9, 0, 0), address, "0.5", FavoriteRecord::typedText(address)).toLine();
    // Written as GBK and read back, as the favorites file is.
    const QString stored = rt::fromGbk(rt::toGbk(line));
    EXPECT_EQ(stored, line);
    EXPECT_EQ(FavoriteRecord::addressOf(stored), address);
    EXPECT_EQ(FavoriteRecord::fromLine(stored).text, FavoriteRecord::typedText(address));
    EXPECT_TRUE(stored.contains(QString::fromUtf8("中文")));
}

// Every code point survives a write and a read of the file, U+FEFF and lone surrogates included.
TEST(FavoriteRecord, EveryCodePointSurvivesTheFile) {
    std::vector<uint> codePoints;
    for (uint cp = 1; cp < 0x10000; ++cp) codePoints.push_back(cp);
    for (uint cp = 0x10000; cp <= 0x10FFFF; cp += 0xFFF) codePoints.push_back(cp);
    codePoints.push_back(0x10FFFF);
    codePoints.push_back(0x1F600);
    int failures = 0;
    for (const uint cp : codePoints) {
        QString ch;
        if (cp < 0x10000) {
            ch = QChar(ushort(cp));
        } else {
            ch += QChar(QChar::highSurrogate(cp));
            ch += QChar(QChar::lowSurrogate(cp));
        }
        const QString address = "a" + ch + "b";
        const QString text = "t" + ch;
        const QString line = FavoriteRecord::make(at(9, 0, 0), address, "0.5", text).toLine();
        const QString stored = rt::fromGbk(rt::toGbk(line));
        const FavoriteRecord back = FavoriteRecord::fromLine(stored);
        if (back.address != address || back.text != text || back.id != "0.5" ||
            FavoriteRecord::addressOf(stored) != address) {
            ADD_FAILURE() << "U+" << QString::number(cp, 16).toStdString() << " line "
                          << stored.toStdString();
            if (++failures > 10) return;
        }
    }
    EXPECT_EQ(rt::htmlUnescape("&#65279;"), QString(QChar(0xFEFF)));
    EXPECT_EQ(rt::htmlUnescape("&#128512;"), QString::fromUtf8("😀"));
}

// The address is looked for after the label: a label holding "title=" moves nothing.
TEST(FavoriteRecord, ALabelHoldingTitleKeepsTheAddressInPlace) {
    FavoriteRecord r = FavoriteRecord::make(at(9, 0, 0), "http://a.cn/x", "0.5", "a");
    r.label = QStringLiteral("title=http://evil.cn id=0.9>x");
    const QString line = r.toLine();
    const FavoriteRecord back = FavoriteRecord::fromLine(line);
    EXPECT_EQ(back.label, r.label);
    EXPECT_EQ(back.address, "http://a.cn/x");
    EXPECT_EQ(back.id, "0.5");
    EXPECT_EQ(back.text, "a");
    EXPECT_EQ(FavoriteRecord::addressOf(line), "http://a.cn/x");
    EXPECT_EQ(FavoriteRecord::indexOfId({line}, "0.9"), -1);
    EXPECT_EQ(FavoriteRecord::indexOfId({line}, "0.5"), 0);
    // An older line written by hand the same way.
    const QString older = QString::fromUtf8(
        "<label>title=x 12-08-2023　晚上21:05:33</label>　<a href=javascript:; title=b.cn id=0.7>b</a><br><br>");
    EXPECT_EQ(FavoriteRecord::addressOf(older), "b.cn");
    EXPECT_EQ(FavoriteRecord::fromLine(older).id, "0.7");
    // Without a label the first "title=" counts, as before.
    EXPECT_EQ(FavoriteRecord::addressOf("title=abc id=1>x</a>"), "abc");
}

TEST(FavoriteRecord, OlderUnescapedLinesReadAsTheyStand) {
    const QString line = QString::fromUtf8(
        "<label>11-30-2020　下午15:00:00</label>　<a href=javascript:; "
        "title=http://x.cn/a?b=1&c=2 id=0.1234567>x：cn/a?b=1&c=2</a><br><br>");
    const FavoriteRecord r = FavoriteRecord::fromLine(line);
    EXPECT_EQ(r.address, "http://x.cn/a?b=1&c=2");
    EXPECT_EQ(r.id, "0.1234567");
    EXPECT_EQ(r.text, QString::fromUtf8("x：cn/a?b=1&c=2"));
    EXPECT_EQ(FavoriteRecord::addressOf(line), r.address);
    // Written again, it reads back the same.
    EXPECT_EQ(FavoriteRecord::fromLine(r.toLine()).address, r.address);
}

TEST(FavoriteRecord, LinesWithoutARecordReadEmpty) {
    FavoriteRecord r;
    EXPECT_FALSE(FavoriteRecord::parse("", &r));
    EXPECT_FALSE(FavoriteRecord::parse("<br>", &r));
    EXPECT_TRUE(r.address.isEmpty());
    EXPECT_EQ(FavoriteRecord::addressOf("nothing here"), "");
    EXPECT_EQ(FavoriteRecord::addressOf("title=abc"), "abc");
}

TEST(FavoriteRecord, IdIsDrawnAgainWhileUsed) {
    const QStringList lines = {
        FavoriteRecord::make(at(1, 0, 0), "a.com", "0.25", "a").toLine(),
        FavoriteRecord::make(at(1, 0, 0), "b.com/0.75", "0.5", "b").toLine(),
    };
    std::vector<float> draws = {0.25f, 0.75f, 0.0f, 0.5f, 0.125f};
    size_t next = 0;
    const QString id = FavoriteRecord::makeId(lines, [&] { return draws.at(next++); });
    // 0.25 and 0.5 are ids, 0.75 stands in an address, 0 is too short to serve.
    EXPECT_EQ(id, "0.125");
    EXPECT_EQ(next, 5u);
}

TEST(FavoriteRecord, IdFromASourceThatRepeatsIsStillFresh) {
    const QStringList lines = {FavoriteRecord::make(at(1, 0, 0), "a.com", "0.25", "a").toLine()};
    const QString id = FavoriteRecord::makeId(lines, [] { return 0.25f; });
    EXPECT_GE(id.size(), 2);
    EXPECT_EQ(FavoriteRecord::indexOfId(lines, id), -1);
    EXPECT_FALSE(lines[0].contains(id));
}

TEST(FavoriteRecord, IdTextHasNoBlankQuoteOrBracket) {
    for (float v : {0.7055475f, 0.5f, 0.0001234f, 0.9999999f}) {
        const QString id = FavoriteRecord::idText(v);
        EXPECT_GE(id.size(), 2) << v;
        EXPECT_FALSE(id.contains(' ') || id.contains('"') || id.contains('>')) << v;
    }
    EXPECT_EQ(FavoriteRecord::idText(0.7055475f), "0.7055475");
}

TEST(FavoriteRecord, FindsARecordByItsIdPieceOnly) {
    const QStringList lines = {
        FavoriteRecord::make(at(1, 0, 0), "x.com/0.42", "0.4", "x").toLine(),
        FavoriteRecord::make(at(1, 0, 0), "y.com", "0.42", "y").toLine(),
        FavoriteRecord::make(at(1, 0, 0), "z.com", "0.5e-05", "z").toLine(),
    };
    EXPECT_EQ(FavoriteRecord::indexOfId(lines, "0.42"), 1);
    EXPECT_EQ(FavoriteRecord::indexOfId(lines, "0.4"), 0);
    EXPECT_EQ(FavoriteRecord::indexOfId(lines, "0.5E-05"), 2);
    EXPECT_EQ(FavoriteRecord::indexOfId(lines, "0.9"), -1);
    EXPECT_EQ(FavoriteRecord::indexOfId(lines, ""), -1);
}

TEST(FavoriteRecord, AddLimitLetsTheListGrowTo501) {
    EXPECT_TRUE(FavoriteRecord::canAdd(0));
    EXPECT_TRUE(FavoriteRecord::canAdd(500));
    EXPECT_FALSE(FavoriteRecord::canAdd(501));
}

TEST(FavoriteRecord, UnescapeDecodesOnlyWhatTheWriterEscapes) {
    EXPECT_EQ(rt::htmlUnescape("&amp;lt;"), "&lt;");
    EXPECT_EQ(rt::htmlUnescape("a&b&nbsp;&#32;c"), "a&b&nbsp; c");
    EXPECT_EQ(rt::htmlUnescape(FavoriteRecord::escapeAttribute("a b=c`'\"<>&\t")), "a b=c`'\"<>&\t");
    EXPECT_EQ(FavoriteRecord::escapeText("a b.c=d"), "a b.c=d");
}

}  // namespace

TEST(FavoriteRecord, EscapingIsThePageEscapingWithLineEndsAndCodePageKept) {
    struct Case {
        const char* value;
        const char* attribute;  // as written in the title
        const char* text;       // as written in the link text
    };
    const std::vector<Case> cases = {
        {"a b=c`d", "a&#32;b&#61;c&#96;d", "a b=c`d"},
        {"<i>&\"'", "&lt;i&gt;&amp;&quot;&#39;", "&lt;i&gt;&amp;&quot;&#39;"},
        {"one\r\ntwo\tthree", "one&#13;&#10;two&#9;three", "one&#13;&#10;two\tthree"},
        {"中文 😀", "中文&#32;&#128512;", "中文 &#128512;"},
    };
    for (const Case& c : cases) {
        const QString value = QString::fromUtf8(c.value);
        EXPECT_EQ(FavoriteRecord::escapeAttribute(value), QString::fromUtf8(c.attribute)) << c.value;
        EXPECT_EQ(FavoriteRecord::escapeText(value), QString::fromUtf8(c.text)) << c.value;
        EXPECT_EQ(rt::htmlUnescape(FavoriteRecord::escapeAttribute(value)), value) << c.value;
        EXPECT_EQ(rt::htmlUnescape(FavoriteRecord::escapeText(value)), value) << c.value;
    }
}
