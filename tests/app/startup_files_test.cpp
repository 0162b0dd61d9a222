// The program folder as users leave it, started for real: settings files an editor saved as UTF-8 are
// converted back to GBK (the original kept, the user told once), a settings file that cannot be read
// or lacks its section is named in a message while the program goes on, and what rewrites cut short
// left is gone.
#include "app_fixture.h"

#include "app/startup.h"
#include "platform/rt/gbk.h"

#include <functional>
#include <vector>

namespace {

// The bytes of a literal, NUL bytes included.
template <int N>
QByteArray raw(const char (&text)[N]) { return QByteArray(text, N - 1); }

QByteArray bytesOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString& file, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << file.toStdString();
    f.write(bytes);
}

// The shipped file saved by a UTF-8 editor, with one value changed so its reading shows.
QByteArray asUtf8(const QString& file, const QString& from, const QString& to) {
    QString text = rt::fromGbk(bytesOf(file));
    text.replace(from, to);
    return text.toUtf8();
}

// A favorites record with a Chinese text, and a navigation page line, as an editor saved them.
const QString kFavoriteLine = QString::fromUtf8(
    "<label>12-01-2026　上午10:00:00</label>　<a href=javascript:; title=http://a.cn/ id=0.5>中文标题</a><br><br>\r\n");
const QByteArray kNavUtf8 = QString::fromUtf8("<html><head><title>导航</title></head><body><p>网站</p></body></html>\r\n").toUtf8();

struct FileCase {
    const char* name;
    std::function<void(const QString& folder)> prepare;
    QStringList messages;  // "%1" stands for the program folder
    QStringList gone;      // under the program folder
    QStringList there;
    const char* caption;   // the window caption after the start
};

const FileCase kCases[] = {
    {"UTF8 settings file",
     [](const QString& d) { put(d + "/txt/应用.txt", asUtf8(d + "/txt/应用.txt", "Zelvaro浏览器", "测试浏览器")); },
     {"文件已从UTF-8转换为GBK编码，原文件加后缀.utf8保留：\n%1/txt/应用.txt"},
     {},
     {"txt/应用.txt.utf8"},
     "测试浏览器"},
    {"two UTF8 settings files, one message",
     [](const QString& d) {
         put(d + "/txt/应用.txt", asUtf8(d + "/txt/应用.txt", "Zelvaro浏览器", "测试浏览器"));
         put(d + "/txt/fg.txt", asUtf8(d + "/txt/fg.txt", "关闭=×", "关闭=关"));
     },
     {"文件已从UTF-8转换为GBK编码，原文件加后缀.utf8保留：\n%1/txt/应用.txt\n%1/txt/fg.txt"},
     {},
     {"txt/应用.txt.utf8", "txt/fg.txt.utf8"},
     "测试浏览器"},
    {"UTF8 record files",
     [](const QString& d) {
         put(d + "/导航.html", kNavUtf8);
         put(d + "/txt/网址.html", kFavoriteLine.toUtf8());
         put(d + "/txt/xiazai.html", QString("1 <a href=\"http://a.cn/文件.zip\">文件.zip</a><br>\r\n").toUtf8());
         put(d + "/txt/liulan.txt", QString("1 标题 😀 http://a.cn/\r\n").toUtf8());
     },
     {"文件已从UTF-8转换为GBK编码，原文件加后缀.utf8保留：\n%1/导航.html\n%1/txt/网址.html\n%1/txt/xiazai.html\n"
      "%1/txt/liulan.txt"},
     {},
     {"导航.html.utf8", "txt/网址.html.utf8", "txt/xiazai.html.utf8", "txt/liulan.txt.utf8"},
     "Zelvaro浏览器"},
    {"a UTF8 settings file and a UTF8 record file, one message",
     [](const QString& d) {
         put(d + "/txt/应用.txt", asUtf8(d + "/txt/应用.txt", "Zelvaro浏览器", "测试浏览器"));
         put(d + "/txt/网址.html", ("\xEF\xBB\xBF" + kFavoriteLine).toUtf8());
     },
     {"文件已从UTF-8转换为GBK编码，原文件加后缀.utf8保留：\n%1/txt/应用.txt\n%1/txt/网址.html"},
     {},
     {"txt/应用.txt.utf8", "txt/网址.html.utf8"},
     "测试浏览器"},
    {"GBK record files and a UTF8 one with accents only",
     [](const QString& d) {
         put(d + "/txt/网址.html", rt::toGbk(kFavoriteLine));
         put(d + "/txt/liulan.txt", QString("1 café http://a.cn/\r\n").toUtf8());
         // GBK whose bytes happen to be valid UTF-8 ("录" is C2 BC)
         put(d + "/txt/xiazai.html", rt::toGbk("1 录<br>\r\n"));
     },
     {},
     {"txt/网址.html.utf8", "txt/liulan.txt.utf8", "txt/xiazai.html.utf8"},
     {},
     "Zelvaro浏览器"},
    {"missing settings file",
     [](const QString& d) { QFile::remove(d + "/txt/右键.txt"); },
     {"设置文件找不到：%1/txt/右键.txt"},
     {},
     {},
     "Zelvaro浏览器"},
    {"unreadable settings file",
     [](const QString& d) {
         QFile::remove(d + "/txt/fg.txt");
         QDir().mkpath(d + "/txt/fg.txt");
     },
     {"设置文件无法读取：%1/txt/fg.txt"},
     {},
     {},
     "Zelvaro浏览器"},
    {"binary settings file",
     [](const QString& d) { put(d + "/txt/语言.txt", raw("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xd8")); },
     {"设置文件缺少[Zelvaro]：%1/txt/语言.txt"},
     {},
     {},
     "Zelvaro浏览器"},
    {"settings file without the section",
     [](const QString& d) { put(d + "/txt/sousuo.txt", rt::toGbk("搜索名字1=百度\r\n")); },
     {"设置文件缺少[Zelvaro]：%1/txt/sousuo.txt"},
     {},
     {},
     "Zelvaro浏览器"},
    {"leftovers of cut rewrites and copies users made",
     [](const QString& d) {
         for (const char* f : {"/txt/fg.txt.zelvaro-HQQJiq", "/txt/网址.html.zelvaro-aBcDeF", "/导航.html.zelvaro-Xy12Zq",
                               "/html/a.html.zelvaro-QwErTy", "/txt/notes.zelvaro-HQQJiq", "/txt/网址.html.backup",
                               "/txt/应用.txt.backup", "/txt/笔记.txt.before", "/导航.html.backup", "/html/a.html.before"})
             put(d + QString::fromUtf8(f), "half a file");
     },
     {},
     {"txt/fg.txt.zelvaro-HQQJiq", "txt/网址.html.zelvaro-aBcDeF", "导航.html.zelvaro-Xy12Zq",
      "html/a.html.zelvaro-QwErTy"},
     {"txt/notes.zelvaro-HQQJiq", "txt/fg.txt", "txt/网址.html.backup", "txt/应用.txt.backup", "txt/笔记.txt.before",
      "导航.html.backup", "html/a.html.before"},
     "Zelvaro浏览器"},
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class StartupFiles : public AppTest, public ::testing::WithParamInterface<FileCase> {
public:
    using AppTest::setSetting;
};

TEST_P(StartupFiles, StartGoesOnAndTellsTheUser) {
    const FileCase& c = GetParam();
    const QString d = folder.path();
    c.prepare(d);
    const QByteArray original = bytesOf(d + "/txt/应用.txt");

    ASSERT_TRUE(start());

    QStringList expected;
    for (const QString& m : c.messages) expected << QString(m).arg(d);
    EXPECT_EQ(services.messages(), expected);
    for (const QString& f : c.gone) EXPECT_FALSE(QFileInfo::exists(d + "/" + f)) << f.toStdString();
    for (const QString& f : c.there) EXPECT_TRUE(QFileInfo::exists(d + "/" + f)) << f.toStdString();
    EXPECT_EQ(f1().caption(), QString::fromUtf8(c.caption));
    EXPECT_TRUE(services.exitCodes().empty());
    if (QFileInfo::exists(d + "/txt/应用.txt.utf8")) {
        // The original is kept byte for byte; the file is GBK now and later writes stay GBK.
        EXPECT_EQ(bytesOf(d + "/txt/应用.txt.utf8"), original);
        setSetting("字数", "14");
        const QByteArray now = bytesOf(d + "/txt/应用.txt");
        EXPECT_TRUE(now.contains(rt::toGbk("软件命名=测试浏览器\r\n")));
        EXPECT_TRUE(now.contains(rt::toGbk("字数=14\r\n")));
        EXPECT_EQ(now.count(rt::toGbk("字数=")), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StartupFiles, ::testing::ValuesIn(kCases), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.name);
    name.replace(' ', '_').replace(',', '_');
    return name.toStdString();
});

// A UTF-8 favorites file is GBK before the first change, so the change keeps every record whole.
TEST_F(AppTest, UTF8FavoritesKeepTheirRecordsThroughAChange) {
    const QString file = folder.path() + "/txt/网址.html";
    put(file, kFavoriteLine.toUtf8());
    ASSERT_TRUE(start());
    f1().Text7.setText("www.example.cn");
    f1().Command1.press();
    const QStringList lines = rt::fromGbk(bytesOf(file)).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains("www：example：cn"));
    EXPECT_EQ(lines[1] + "\r\n", kFavoriteLine);
    EXPECT_EQ(bytesOf(file + ".utf8"), kFavoriteLine.toUtf8());
}

// Converted once: the next start finds GBK and says nothing.
TEST_F(AppTest, UTF8SettingsFileIsConvertedOnlyOnce) {
    const QString file = folder.path() + "/txt/应用.txt";
    put(file, asUtf8(file, "Zelvaro浏览器", "测试浏览器"));
    ASSERT_TRUE(Startup::Form_Initialize());
    EXPECT_EQ(services.messages().size(), 1);
    const QByteArray converted = bytesOf(file);
    services.clearRecords();
    ASSERT_TRUE(Startup::Form_Initialize());
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_EQ(bytesOf(file), converted);
}

}  // namespace
