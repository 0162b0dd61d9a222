#include "platform/rt/gbk.h"
#include "platform/sys/inifile.h"
#include "sys_fixtures.h"
#include <QDateTime>
#include <QFile>
#include <QThread>

namespace {

class Profile : public ProgramFolder {
protected:
    QString file() const { return sys::appPath() + "\\txt\\应用.txt"; }
    QString native() const { return ProgramFolder::native("txt/应用.txt"); }
    void put(const QString& text) { putBytes(native(), rt::toGbk(text)); }
    QString read(const QString& key, const QString& section = "Zelvaro") const {
        return sys::getProfileString(file(), section, key);
    }
    QString onDisk() const { return rt::fromGbk(bytesOf(native())); }
};

// Reading rules: the file's text ("{NUL}" stands for a NUL byte), the section and key asked for, and
// the value read.
struct ReadCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* value;
};

const ReadCase kReads[] = {
    {"plain", "[Zelvaro]\r\nUA=1\r\n", "Zelvaro", "UA", "1"},
    {"absent key", "[Zelvaro]\r\nUA=1\r\n", "Zelvaro", "IE", ""},
    {"absent section", "[Other]\r\nUA=1\r\n", "Zelvaro", "UA", ""},
    {"empty value", "[Zelvaro]\r\nUA=\r\n", "Zelvaro", "UA", ""},
    {"section name case", "[zelvaro]\r\nua=2\r\n", "ZELVARO", "Ua", "2"},
    {"blanks around names", "[ Zelvaro ]\r\n  UA \t= 3\r\n", "Zelvaro", "UA", "3"},
    {"blanks around value", "[Zelvaro]\r\nUA=  a b \t\r\n", "Zelvaro", "UA", "a b"},
    {"double quotes", "[Zelvaro]\r\nUA=\" x \"\r\n", "Zelvaro", "UA", " x "},
    {"single quotes", "[Zelvaro]\r\nUA='y'\r\n", "Zelvaro", "UA", "y"},
    {"quotes not matching", "[Zelvaro]\r\nUA=\"y'\r\n", "Zelvaro", "UA", "\"y'"},
    {"lone quote", "[Zelvaro]\r\nUA=\"\r\n", "Zelvaro", "UA", "\""},
    {"first duplicate wins", "[Zelvaro]\r\nUA=first\r\nUA=second\r\n", "Zelvaro", "UA", "first"},
    {"first duplicate section wins", "[Zelvaro]\r\nA=1\r\n[Zelvaro]\r\nUA=2\r\n", "Zelvaro", "UA", ""},
    {"lines without equals ignored", "[Zelvaro]\r\nUA\r\njunk line\r\nUA=5\r\n", "Zelvaro", "UA", "5"},
    {"key in another section", "[A]\r\nUA=1\r\n[Zelvaro]\r\nIE=2\r\n", "Zelvaro", "UA", ""},
    {"key before any section", "UA=1\r\n[Zelvaro]\r\n", "Zelvaro", "UA", ""},
    {"equals in value", "[Zelvaro]\r\n启动主页=http://a.com/?q=1\r\n", "Zelvaro", "启动主页", "http://a.com/?q=1"},
    {"Chinese key and value", "[Zelvaro]\r\n界面颜色=灰\r\n", "Zelvaro", "界面颜色", "灰"},
    {"LF line ends", "[Zelvaro]\nUA=7\n", "Zelvaro", "UA", "7"},
    {"no final line end", "[Zelvaro]\r\nUA=8", "Zelvaro", "UA", "8"},
    {"value ends at NUL", "[Zelvaro]\r\nUA=ab{NUL}cd\r\n", "Zelvaro", "UA", "ab"},
    {"empty key asked", "[Zelvaro]\r\n=1\r\n", "Zelvaro", "", ""},
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ProfileRead : public Profile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileRead, FollowsTheProfileRules) {
    const ReadCase& c = GetParam();
    QString text = QString::fromUtf8(c.file);
    text.replace("{NUL}", QString(QChar(0)));
    put(text);
    EXPECT_EQ(read(QString::fromUtf8(c.key), QString::fromUtf8(c.section)), QString::fromUtf8(c.value));
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileRead, ::testing::ValuesIn(kReads), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.name);
    name.replace(' ', '_');
    return name.toStdString();
});

TEST_F(Profile, MissingFileReadsEmptyAndTheFirstWriteCreatesIt) {
    EXPECT_EQ(read("UA"), "");
    sys::writeProfileString(file(), "Zelvaro", "UA", "1");
    EXPECT_EQ(bytesOf(native()), QByteArray("[Zelvaro]\r\nUA=1\r\n"));
    EXPECT_EQ(read("UA"), "1");
}

TEST_F(Profile, WriteReplacesInPlaceAndKeepsEveryOtherLine) {
    put("; shipped\r\n[Zelvaro]\r\nUA=1\r\n  IE = ie8.0 \r\nnote without equals\r\n\r\n[Other]\r\nUA=9\r\n");
    sys::writeProfileString(file(), "zelvaro", "ie", "ie11.0");
    EXPECT_EQ(onDisk(),
              "; shipped\r\n[Zelvaro]\r\nUA=1\r\nIE=ie11.0\r\nnote without equals\r\n\r\n[Other]\r\nUA=9\r\n");
    // a new key goes at the end of its section, before the blank line that ends it
    sys::writeProfileString(file(), "Zelvaro", "字节", "30");
    EXPECT_EQ(onDisk(), "; shipped\r\n[Zelvaro]\r\nUA=1\r\nIE=ie11.0\r\nnote without equals\r\n字节=30\r\n\r\n"
                        "[Other]\r\nUA=9\r\n");
    // a new section goes at the end of the file
    sys::writeProfileString(file(), "New", "k", "v");
    EXPECT_TRUE(onDisk().endsWith("[Other]\r\nUA=9\r\n[New]\r\nk=v\r\n"));
    EXPECT_EQ(read("UA", "Other"), "9");
    EXPECT_EQ(read("字节"), "30");
}

TEST_F(Profile, WriteChangesOnlyTheFirstDuplicate) {
    put("[Zelvaro]\r\nUA=1\r\nUA=2\r\n");
    sys::writeProfileString(file(), "Zelvaro", "UA", "0");
    EXPECT_EQ(onDisk(), "[Zelvaro]\r\nUA=0\r\nUA=2\r\n");
    EXPECT_EQ(read("UA"), "0");
}

TEST_F(Profile, EmptyValueIsWrittenAsKeyWithNothingAfterTheEquals) {
    put("[Zelvaro]\r\nLv20=a>b\r\n");
    sys::writeProfileString(file(), "Zelvaro", "Lv20", "");
    EXPECT_EQ(onDisk(), "[Zelvaro]\r\nLv20=\r\n");
    EXPECT_EQ(read("Lv20"), "");
}

TEST_F(Profile, OtherLinesKeepTheirBytesAndLineEnds) {
    // a line in LF, a last line without a line end, and bytes that are not valid GBK stay as they were
    const QByteArray before("[Zelvaro]\nA=\x81\r\nB=1");
    putBytes(native(), before);
    sys::writeProfileString(file(), "Zelvaro", "C", "2");
    EXPECT_EQ(bytesOf(native()), QByteArray("[Zelvaro]\nA=\x81\r\nB=1\r\nC=2\r\n"));
}

TEST_F(Profile, ValuesRoundTripInGbk) {
    const struct { const char* written; const char* read; } cases[] = {
        {"微软雅黑", "微软雅黑"},
        {"Zelvaro/1.0 (X11; Linux x86_64)", "Zelvaro/1.0 (X11; Linux x86_64)"},
        {"║分隔║", "║分隔║"},
        {"a😀b", "a?b"},                 // outside GBK: the codec's replacement
        {"line1\r\nline2\n", "line1line2"},  // a line break would split the line
        {"  padded  ", "padded"},
        {"'quoted'", "quoted"},
        {"&H8000000F", "&H8000000F"},
    };
    for (const auto& c : cases) {
        sys::writeProfileString(file(), "Zelvaro", "界面图片", QString::fromUtf8(c.written));
        EXPECT_EQ(read("界面图片"), QString::fromUtf8(c.read)) << c.written;
    }
    sys::writeProfileString(file(), "Zelvaro", "界面图片", "中");
    EXPECT_EQ(bytesOf(native()), QByteArray("[Zelvaro]\r\n\xbd\xe7\xc3\xe6\xcd\xbc\xc6\xac=\xd6\xd0\r\n"));
    // a value ends at its first NUL: no NUL byte reaches the file
    sys::writeProfileString(file(), "Zelvaro", "界面图片", QString("ab") + QChar(0) + "cd");
    EXPECT_EQ(bytesOf(native()), QByteArray("[Zelvaro]\r\n\xbd\xe7\xc3\xe6\xcd\xbc\xc6\xac=ab\r\n"));
}

TEST_F(Profile, WriteCountTellsWhetherAKeyWasWrittenSinceALook) {
    const unsigned long long before = sys::profileWriteCount(file(), "Zelvaro", "框架不加载");
    sys::writeProfileString(file(), "Zelvaro", "框架不加载", "1");
    EXPECT_EQ(sys::profileWriteCount(file(), "Zelvaro", "框架不加载"), before + 1);
    // the same key named another way: other letter case, blanks, the native form of the path
    sys::writeProfileString(native(), " ZELVARO ", "框架不加载 ", "1");
    EXPECT_EQ(sys::profileWriteCount(file(), "zelvaro", "框架不加载"), before + 2);
    // a write the file refuses still counts; writes of other keys or files do not
    ASSERT_TRUE(QFile::setPermissions(native(), QFileDevice::ReadOwner | QFileDevice::ReadUser));
    sys::writeProfileString(file(), "Zelvaro", "框架不加载", "0");
    sys::writeProfileString(file(), "Zelvaro", "脚本被删除", "0");
    sys::writeProfileString(sys::appPath() + "\\txt\\fg.txt", "Zelvaro", "框架不加载", "0");
    EXPECT_EQ(sys::profileWriteCount(file(), "Zelvaro", "框架不加载"), before + 3);
    EXPECT_EQ(read("框架不加载"), "1");
}

// Line ends as editors leave them: CR LF, LF, CR alone, mixed, and a last line without one. Every key
// reads, and a write replaces the key where it stands (its line keeps its end), adds a new key with
// CR LF, and leaves every other byte as it was.
struct LineEndCase {
    const char* name;
    QByteArray file;
    QByteArray afterReplace;  // after B=new
    QByteArray afterAdd;      // after D=4
};

const LineEndCase kLineEnds[] = {
    {"CR LF", "[Zelvaro]\r\nA=1\r\nB=2\r\nC=3\r\n", "[Zelvaro]\r\nA=1\r\nB=new\r\nC=3\r\n",
     "[Zelvaro]\r\nA=1\r\nB=2\r\nC=3\r\nD=4\r\n"},
    {"LF", "[Zelvaro]\nA=1\nB=2\nC=3\n", "[Zelvaro]\nA=1\nB=new\nC=3\n", "[Zelvaro]\nA=1\nB=2\nC=3\nD=4\r\n"},
    {"CR", "[Zelvaro]\rA=1\rB=2\rC=3\r", "[Zelvaro]\rA=1\rB=new\rC=3\r", "[Zelvaro]\rA=1\rB=2\rC=3\rD=4\r\n"},
    {"mixed", "[Zelvaro]\rA=1\nB=2\r\nC=3\r", "[Zelvaro]\rA=1\nB=new\r\nC=3\r",
     "[Zelvaro]\rA=1\nB=2\r\nC=3\rD=4\r\n"},
    {"last line without an end", "[Zelvaro]\rA=1\rB=2\rC=3", "[Zelvaro]\rA=1\rB=new\rC=3",
     "[Zelvaro]\rA=1\rB=2\rC=3\r\nD=4\r\n"},
    {"the key on the last line", "[Zelvaro]\rA=1\rC=3\rB=2", "[Zelvaro]\rA=1\rC=3\rB=new\r\n",
     "[Zelvaro]\rA=1\rC=3\rB=2\r\nD=4\r\n"},
    {"CR before CR LF", "[Zelvaro]\r\r\nA=1\r\rB=2\r\r\nC=3\r\n", "[Zelvaro]\r\r\nA=1\r\rB=new\r\r\nC=3\r\n",
     "[Zelvaro]\r\r\nA=1\r\rB=2\r\r\nC=3\r\nD=4\r\n"},
};

void PrintTo(const LineEndCase& c, std::ostream* os) { *os << c.name; }

class ProfileLineEnds : public Profile, public ::testing::WithParamInterface<LineEndCase> {};

TEST_P(ProfileLineEnds, Read) {
    putBytes(native(), GetParam().file);
    EXPECT_EQ(read("A"), "1");
    EXPECT_EQ(read("B"), "2");
    EXPECT_EQ(read("C"), "3");
    EXPECT_EQ(read("D"), "");
}

TEST_P(ProfileLineEnds, WriteReplacesTheKeyWhereItStands) {
    putBytes(native(), GetParam().file);
    sys::writeProfileString(file(), "Zelvaro", "B", "new");
    EXPECT_EQ(bytesOf(native()), GetParam().afterReplace);
    EXPECT_EQ(read("B"), "new");
    EXPECT_EQ(read("C"), "3");
    // written again, nothing is added
    sys::writeProfileString(file(), "Zelvaro", "B", "new");
    EXPECT_EQ(bytesOf(native()), GetParam().afterReplace);
}

TEST_P(ProfileLineEnds, WriteAddsANewKeyWithCrLf) {
    putBytes(native(), GetParam().file);
    sys::writeProfileString(file(), "Zelvaro", "D", "4");
    EXPECT_EQ(bytesOf(native()), GetParam().afterAdd);
    EXPECT_EQ(read("D"), "4");
    EXPECT_EQ(read("A"), "1");
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileLineEnds, ::testing::ValuesIn(kLineEnds), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.name);
    name.replace(' ', '_');
    return name.toStdString();
});

// Names are cleaned the same way on reads and on writes: a name holding NUL, CR or LF reads back what
// was written under it, and a second write replaces the first.
TEST_F(Profile, NamesWithLineBreaksReadBackAndAreWrittenOnce) {
    const struct { QString section; QString key; } cases[] = {
        {"Zelvaro", "U\rA"},
        {"Zelvaro", "U\nA\r\n"},
        {"Zel\r\nvaro", "UA"},
        {"Zelvaro", QString("UA") + QChar(0) + "junk"},
        {QString("Zelvaro") + QChar(0) + "x", "UA"},
    };
    for (const auto& c : cases) {
        put("[Zelvaro]\r\nIE=1\r\n");
        sys::writeProfileString(file(), c.section, c.key, "1");
        sys::writeProfileString(file(), c.section, c.key, "2");
        EXPECT_EQ(sys::getProfileString(file(), c.section, c.key), "2") << c.key.toStdString();
        EXPECT_EQ(onDisk(), "[Zelvaro]\r\nIE=1\r\nUA=2\r\n") << c.key.toStdString();
        EXPECT_EQ(read("UA"), "2");
    }
    EXPECT_EQ(sys::getProfileString(file(), "Zelvaro", QString(QChar(0)) + "UA"), "");
    EXPECT_EQ(sys::getProfileString(file(), "Zelvaro", "\r\n"), "");
}

TEST_F(Profile, ReadsAreCutAt665BytesOnACharacterBoundary) {
    const struct { QString value; QString expected; } cases[] = {
        {QString(700, 'x'), QString(665, 'x')},
        {QString(665, 'x'), QString(665, 'x')},
        {"a" + QString(400, QChar(0x4E2D)), "a" + QString(332, QChar(0x4E2D))},  // 1 + 664 bytes
        {QString(400, QChar(0x4E2D)), QString(332, QChar(0x4E2D))},              // 664: never half of one
    };
    for (const auto& c : cases) {
        sys::writeProfileString(file(), "Zelvaro", "Lv20", c.value);
        const QString got = read("Lv20");
        EXPECT_EQ(got, c.expected);
        EXPECT_LE(rt::gbkLength(got), sys::kProfileValueBytes);
    }
}

TEST_F(Profile, FailedWritesAreSilentAndChangeNothing) {
    sys::writeProfileString(sys::appPath() + "\\missing\\fg.txt", "Zelvaro", "UA", "1");
    EXPECT_FALSE(QDir(dir.path() + "/missing").exists());

    put("[Zelvaro]\r\nUA=1\r\n");
    ASSERT_TRUE(QFile::setPermissions(native(), QFileDevice::ReadOwner | QFileDevice::ReadUser));
    sys::writeProfileString(file(), "Zelvaro", "UA", "0");
    EXPECT_EQ(onDisk(), "[Zelvaro]\r\nUA=1\r\n");
    EXPECT_EQ(QDir(dir.path() + "/txt").entryList(QDir::Files | QDir::Hidden).size(), 1);

    sys::writeProfileString(file(), "", "UA", "0");
    sys::writeProfileString(file(), "Zelvaro", "", "0");
    EXPECT_EQ(onDisk(), "[Zelvaro]\r\nUA=1\r\n");
}

TEST_F(Profile, RewriteLeavesNoTemporaryFileAndKeepsPermissions) {
    put("[Zelvaro]\r\nUA=1\r\n");
    const auto perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                       QFileDevice::WriteUser | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(native(), perms));
    sys::writeProfileString(file(), "Zelvaro", "UA", "0");
    EXPECT_EQ(QDir(dir.path() + "/txt").entryList(QDir::Files | QDir::Hidden), QStringList({"应用.txt"}));
    EXPECT_EQ(QFile::permissions(native()), perms);
}

}  // namespace

// Sets a file's modification time to one fixed moment long ago.
static void age(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2026, 1, 1), QTime(12, 0)), QFileDevice::FileModificationTime));
}

// Every read sees the file as it is now, however it was changed: by our writer, by another program
// writing the same number of bytes, by a rename over it, or by its removal; also between reads of an
// unchanged file that the reader may keep parsed.
TEST_F(Profile, EveryReadSeesTheFileAsItIsNow) {
    const QString f = file();
    const QString n = native();
    put("[Zelvaro]\r\nk=one\r\n");
    age(n);
    // Long enough for the reader to keep the file parsed.
    QThread::msleep(2100);
    EXPECT_EQ(sys::getProfileString(f, "Zelvaro", "k"), "one");
    EXPECT_EQ(sys::getProfileString(f, "Zelvaro", "k"), "one");

    // Same size, written in place behind the reader's back, the modification time set back to the
    // very same moment.
    put("[Zelvaro]\r\nk=two\r\n");
    age(n);
    EXPECT_EQ(sys::getProfileString(f, "Zelvaro", "k"), "two");

    sys::writeProfileString(f, "Zelvaro", "k", "six");
    age(n);
    EXPECT_EQ(sys::getProfileString(f, "Zelvaro", "k"), "six");

    const QString other = ProgramFolder::native("txt/other.txt");
    putBytes(other, rt::toGbk("[Zelvaro]\r\nk=ten\r\n"));
    age(other);
    ASSERT_TRUE(QFile::remove(n));
    EXPECT_EQ(sys::getProfileString(f, "Zelvaro", "k"), "");
    ASSERT_TRUE(QFile::rename(other, n));
    EXPECT_EQ(sys::getProfileString(f, "Zelvaro", "k"), "ten");

    // A file changed a moment ago is read afresh at every read.
    put("[Zelvaro]\r\nk=new\r\n");
    EXPECT_EQ(sys::getProfileString(f, "Zelvaro", "k"), "new");
    put("[Zelvaro]\r\nk=now\r\n");
    EXPECT_EQ(sys::getProfileString(f, "Zelvaro", "k"), "now");
}
