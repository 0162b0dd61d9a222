// Settings files as editors leave them: UTF-8 converted back to GBK with the original kept, unreadable
// files and files without the section told apart; and the leftovers of rewrites cut short.
#include "platform/rt/gbk.h"
#include "platform/sys/inifile.h"
#include "platform/sys/settingsfile.h"
#include "platform/sys/textfile.h"
#include "sys_fixtures.h"

namespace {

using sys::SettingsFileState;

// The bytes of a literal, NUL bytes included.
template <int N>
QByteArray raw(const char (&text)[N]) { return QByteArray(text, N - 1); }

const QStringList kKeys = {"软件命名", "启动主页", "UA"};

class SettingsFile : public ProgramFolder {
protected:
    QString file() const { return sys::appPath() + "\\txt\\应用.txt"; }
    QString path() const { return native("txt/应用.txt"); }
    SettingsFileState check() const { return sys::checkSettingsFile(file(), "Zelvaro", kKeys); }
    QStringList txtFiles() const {
        return QDir(native("txt")).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
};

struct Case {
    const char* name;
    QByteArray bytes;
    SettingsFileState state;
};

const QByteArray kGbk = rt::toGbk("[Zelvaro]\r\n软件命名=浏览器\r\n启动主页=导航.html\r\n");
const QByteArray kUtf8 = QString("[Zelvaro]\r\n软件命名=浏览器\r\n启动主页=导航.html\r\n").toUtf8();

const Case kCases[] = {
    {"GBK", kGbk, SettingsFileState::Fine},
    {"plain ASCII", "[Zelvaro]\r\nUA=1\r\n", SettingsFileState::Fine},
    {"UTF8", kUtf8, SettingsFileState::Converted},
    {"UTF8 with a byte order mark", "\xEF\xBB\xBF" + kUtf8, SettingsFileState::Converted},
    {"UTF8 with LF line ends", QString("[Zelvaro]\n软件命名=浏览器\n").toUtf8(), SettingsFileState::Converted},
    {"plain ASCII with a byte order mark", "\xEF\xBB\xBF[Zelvaro]\r\nUA=1\r\n", SettingsFileState::Converted},
    // Valid UTF-8 that holds none of the program's keys read so: left as it is.
    {"UTF8 without the program keys", QString("[Zelvaro]\r\n别的=值\r\n").toUtf8(), SettingsFileState::Fine},
    {"no section", rt::toGbk("软件命名=浏览器\r\n"), SettingsFileState::NoSection},
    {"another section only", "[Other]\r\nUA=1\r\n", SettingsFileState::NoSection},
    {"section after blanks and other lines in any case", rt::toGbk("软件=1\r\n \t[zelvaro] \r\nUA=1\r\n"),
     SettingsFileState::Fine},
    {"section after a line that ends with CR alone", "UA=1\r[Zelvaro]\r", SettingsFileState::Fine},
    // 0x81 0x5B is one double-byte character: its second byte is no bracket.
    {"a character whose second byte is a bracket", "\x81[Zelvaro]\r\nUA=1\r\n", SettingsFileState::NoSection},
    {"empty", "", SettingsFileState::NoSection},
    {"binary", raw("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xd8\0["), SettingsFileState::NoSection},
    {"UTF8 without the section", QString("软件命名=浏览器\r\n").toUtf8(), SettingsFileState::NoSection},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class SettingsFileTable : public SettingsFile, public ::testing::WithParamInterface<Case> {};

TEST_P(SettingsFileTable, IsJudgedAndConvertedOnlyWhenUtf8) {
    const Case& c = GetParam();
    putBytes(path(), c.bytes);
    EXPECT_EQ(check(), c.state);
    if (c.state == SettingsFileState::Converted) {
        EXPECT_EQ(bytesOf(sys::utf8CopyOf(file())), c.bytes);
        EXPECT_EQ(txtFiles(), QStringList({"应用.txt", "应用.txt.utf8"}));
        // The converted file reads every key, and a second look leaves it alone.
        EXPECT_EQ(sys::getProfileString(file(), "Zelvaro", "UA"),
                  c.bytes.contains("UA=1") ? QString("1") : QString());
        const QByteArray converted = bytesOf(path());
        EXPECT_FALSE(converted.startsWith("\xEF\xBB\xBF"));
        EXPECT_EQ(check(), SettingsFileState::Fine);
        EXPECT_EQ(bytesOf(path()), converted);
    } else {
        EXPECT_EQ(bytesOf(path()), c.bytes);
        EXPECT_EQ(txtFiles(), QStringList({"应用.txt"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsFileTable, ::testing::ValuesIn(kCases), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.name);
    name.replace(' ', '_');
    return name.toStdString();
});

TEST_F(SettingsFile, ConvertedFileReadsTheKeysAsGbk) {
    putBytes(path(), kUtf8);
    ASSERT_EQ(check(), SettingsFileState::Converted);
    EXPECT_EQ(bytesOf(path()), kGbk);
    EXPECT_EQ(sys::getProfileString(file(), "Zelvaro", "软件命名"), "浏览器");
    EXPECT_EQ(sys::getProfileString(file(), "Zelvaro", "启动主页"), "导航.html");
    // Characters GBK cannot hold become "?", the copy keeps them.
    const QByteArray withEmoji = QString("[Zelvaro]\r\n软件命名=a😀\r\n").toUtf8();
    putBytes(path(), withEmoji);
    ASSERT_EQ(check(), SettingsFileState::Converted);
    EXPECT_EQ(sys::getProfileString(file(), "Zelvaro", "软件命名"), "a?");
    EXPECT_EQ(bytesOf(sys::utf8CopyOf(file())), withEmoji);
}

// GBK bytes that happen to be valid UTF-8 ("路录" is C2 B7 C2 BC): the program's key reads as GBK, so
// the file is GBK.
TEST_F(SettingsFile, GbkThatIsValidUtf8StaysWhenItsKeysReadAsGbk) {
    const QByteArray bytes = rt::toGbk("[Zelvaro]\r\n路录=x\r\nUA=1\r\n");
    ASSERT_TRUE(sys::isValidUtf8(bytes));
    putBytes(path(), bytes);
    EXPECT_EQ(sys::checkSettingsFile(file(), "Zelvaro", {"路录", "UA"}), SettingsFileState::Fine);
    EXPECT_EQ(bytesOf(path()), bytes);
    // The same bytes with keys that only read as UTF-8 are converted.
    EXPECT_TRUE(sys::isUtf8Settings(bytes, "Zelvaro", {"·¼", "UA"}));
}

TEST_F(SettingsFile, MissingAndUnreadableFiles) {
    EXPECT_EQ(check(), SettingsFileState::Missing);
    EXPECT_TRUE(txtFiles().isEmpty());
    ASSERT_TRUE(QDir().mkdir(path()));  // a folder where the file should be
    EXPECT_EQ(check(), SettingsFileState::Unreadable);
}

TEST_F(SettingsFile, AFileThatCannotBeRewrittenStaysAsItWas) {
    putBytes(path(), kUtf8);
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ReadUser));
    EXPECT_EQ(check(), SettingsFileState::NotConverted);
    EXPECT_EQ(bytesOf(path()), kUtf8);
}

// Record files have no keys: their bytes tell.
TEST_F(SettingsFile, RecordFilesAreConvertedWhenTheirBytesAreUtf8) {
    const QString record = sys::appPath() + "\\txt\\网址.html";
    const struct {
        const char* name;
        QByteArray bytes;
        SettingsFileState state;
    } cases[] = {
        {"UTF8 Chinese", QString("<a title=http://a.cn/ id=1>中文</a><br><br>\r\n").toUtf8(), SettingsFileState::Converted},
        {"UTF8 emoji", QString("1 a😀 http://a.cn/\r\n").toUtf8(), SettingsFileState::Converted},
        {"ASCII with a byte order mark", "\xEF\xBB\xBF" "1 a http://a.cn/\r\n", SettingsFileState::Converted},
        {"GBK", rt::toGbk("<a title=http://a.cn/ id=1>中文</a><br><br>\r\n"), SettingsFileState::Fine},
        {"GBK that is valid UTF8", rt::toGbk("1 路录 http://a.cn/\r\n"), SettingsFileState::Fine},
        {"UTF8 accents only", QString("1 café http://a.cn/\r\n").toUtf8(), SettingsFileState::Fine},
        {"plain ASCII", "1 a http://a.cn/\r\n", SettingsFileState::Fine},
        {"empty", "", SettingsFileState::Fine},
        {"binary", raw("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xd8\0["), SettingsFileState::Fine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        putBytes(native("txt/网址.html"), c.bytes);
        QFile::remove(sys::utf8CopyOf(record));
        EXPECT_EQ(sys::checkRecordFile(record), c.state);
        if (c.state == SettingsFileState::Converted) {
            EXPECT_EQ(bytesOf(sys::utf8CopyOf(record)), c.bytes);
            QByteArray body = c.bytes;
            if (body.startsWith("\xEF\xBB\xBF")) body.remove(0, 3);
            EXPECT_EQ(rt::fromGbk(bytesOf(native("txt/网址.html"))),
                      QString::fromUtf8(body).replace(QString::fromUtf8("😀"), "?"));
            EXPECT_EQ(sys::checkRecordFile(record), SettingsFileState::Fine);
        } else {
            EXPECT_EQ(bytesOf(native("txt/网址.html")), c.bytes);
            EXPECT_FALSE(QFile::exists(sys::utf8CopyOf(record)));
        }
    }
    QFile::remove(native("txt/网址.html"));
    EXPECT_EQ(sys::checkRecordFile(record), SettingsFileState::Missing);
}

TEST(Utf8, StrictValidation) {
    const struct { QByteArray bytes; bool valid; } cases[] = {
        {"", true},
        {"abc", true},
        {"\xc3\xa9", true},
        {"\xe4\xb8\xad", true},
        {"\xf0\x9f\x98\x80", true},
        {"\xf4\x8f\xbf\xbf", true},            // U+10FFFF
        {"\xc3", false},                        // cut off
        {"\xe4\xb8", false},
        {"\xc0\xaf", false},                    // overlong
        {"\xe0\x80\xaf", false},
        {"\xf0\x80\x80\xaf", false},
        {"\xed\xa0\x80", false},                // a surrogate
        {"\xf4\x90\x80\x80", false},            // past U+10FFFF
        {"\x80", false},
        {"\xff", false},
        {"\xd6\xd0\xce\xc4", false},            // GBK
        {QByteArray("a\0b", 3), true},
    };
    for (const auto& c : cases) EXPECT_EQ(sys::isValidUtf8(c.bytes), c.valid) << c.bytes.toHex().constData();
}

// ---------------------------------------------------------------------------------------------
// Leftovers of whole rewrites cut short.

TEST_F(SettingsFile, InterruptedRewritesAreRemovedAndNothingElse) {
    // Only the temporary names the program's rewrites make go; files users named so stay, even when
    // their last part is six letters.
    const QStringList leftovers = {"fg.txt.zelvaro-HQQJiq", "应用.txt.zelvaro-ab12CD", "网址.html.zelvaro-zzzzzz",
                                   "a.HTM.zelvaro-QwErTy", "应用.txt.utf8.zelvaro-Ab3dEf"};
    const QStringList kept = {"fg.txt", "fg.txt.utf8", "网址.html.backup", "应用.txt.backup", "笔记.txt.before",
                              "fg.txt.HQQJiq", "fg.txt.zelvaro-HQQJi", "fg.txt.zelvaro-HQQJiqq",
                              "fg.txt.zelvaro-HQ-Jiq", "notes.zelvaro-HQQJiq", "pic.png.zelvaro-HQQJiq",
                              "fg.txt.zelvaro-HQQJiq.txt", ".txt.zelvaro-HQQJiq", "fg.txt.zelvaro-HQQJiä",
                              "fg.txt.Zelvaro-HQQJiq"};
    for (const QString& name : leftovers + kept) putBytes(native("txt/" + name), "x");
    ASSERT_TRUE(QDir().mkdir(native("txt/dir.txt.zelvaro-AbCdEf")));
    ASSERT_TRUE(QFile::link(native("txt/fg.txt"), native("txt/link.txt.zelvaro-AbCdEf")));

    QStringList removed = sys::removeInterruptedRewrites(sys::appPath() + "\\txt");
    removed.sort();
    QStringList expected;
    for (const QString& name : leftovers) expected << native("txt/" + name);
    expected.sort();
    EXPECT_EQ(removed, expected);
    QStringList left = QDir(native("txt")).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList want = kept + QStringList{"dir.txt.zelvaro-AbCdEf", "link.txt.zelvaro-AbCdEf"};
    left.sort();
    want.sort();
    EXPECT_EQ(left, want);
    EXPECT_TRUE(sys::removeInterruptedRewrites(sys::appPath() + "\\missing").isEmpty());
}

}  // namespace
