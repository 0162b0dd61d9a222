#include "forms/settings.h"
#include "support/stored_settings.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/gbk.h"
#include "forms/form1.h"
#include "platform/sys/inifile.h"
#include "platform/sys/textfile.h"
#include "sys/sys_fixtures.h"

#include <QSet>

namespace {

using ConfigStore = ProgramFolder;

TEST_F(ConfigStore, UsualFilesLieInTheTxtFolder) {
    EXPECT_EQ(sys::nativePath(forms::txtPath(forms::Txt::App)), dir.path() + "/txt/应用.txt");
    EXPECT_EQ(sys::nativePath(forms::txtPath(forms::Txt::Fg)), dir.path() + "/txt/fg.txt");
    EXPECT_EQ(sys::nativePath(forms::txtPath(forms::Txt::Yuyan)), dir.path() + "/txt/语言.txt");
    EXPECT_EQ(sys::nativePath(forms::txtPath(forms::Txt::Youjian)), dir.path() + "/txt/右键.txt");
    EXPECT_EQ(sys::nativePath(forms::txtPath(forms::Txt::Sousuo)), dir.path() + "/txt/sousuo.txt");
}

TEST_F(ConfigStore, YouyiIsTheOffsetPlus150AsText) {
    const struct { const char* stored; const char* result; } cases[] = {
        {"0", "150"}, {"-130", "20"}, {" 10 ", "160"}, {"-150", "0"}, {"0.5", "150.5"}, {"&H10", "166"},
    };
    for (const auto& c : cases) {
        storeFgSetting("网页右移", QString::fromUtf8(c.stored));
        EXPECT_EQ(Form1().youyi(), QString::fromUtf8(c.result)) << c.stored;
    }
}

TEST_F(ConfigStore, YouyiRaisesTypeMismatchForEmptyOrWords) {
    for (const char* stored : {"", "abc", "1,5"}) {
        storeFgSetting("网页右移", QString::fromUtf8(stored));
        try {
            Form1().youyi();
            ADD_FAILURE() << "no error for " << stored;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), rt::TypeMismatch) << stored;
        }
    }
    QFile::remove(dir.path() + "/txt/fg.txt");
    EXPECT_FALSE(rt::step([] { Form1().youyi(); }));  // a missing file reads as ""
}

TEST_F(ConfigStore, GettersReadTheirKeysAtEachCall) {
    storeText(forms::Txt::Yuyan, "表格头", "<table border=1>");
    storeText(forms::Txt::Yuyan, "表格尾", "</table>");
    storeText(forms::Txt::Yuyan, "背景色1", "#FFFFFF");
    storeText(forms::Txt::Yuyan, "背景色2", "#EEEEEE");
    storeSetting("当前标签", "16748574");
    Form1 f;
    EXPECT_EQ(f.ge1(), "<table border=1>");
    EXPECT_EQ(f.ge2(), "</table>");
    EXPECT_EQ(f.bg1(), "#FFFFFF");
    EXPECT_EQ(f.bg2(), "#EEEEEE");
    EXPECT_EQ(f.j(), "16748574");
    // a change made behind the store's back is seen by the next read
    QFile file(dir.path() + "/txt/应用.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(rt::toGbk("[Zelvaro]\r\n当前标签=255\r\n"));
    file.close();
    EXPECT_EQ(f.j(), "255");
    EXPECT_EQ(storedSetting("当前标签"), "255");
}

TEST_F(ConfigStore, SameKeyInBothSettingsFilesStaysApart) {
    storeSetting("宽度", "1800");
    storeFgSetting("宽度", "12000");
    EXPECT_EQ(storedSetting("宽度"), "1800");
    EXPECT_EQ(storedFgSetting("宽度"), "12000");
    EXPECT_EQ(storedText(forms::Txt::App, "宽度"), "1800");
    EXPECT_EQ(storedSetting("高度"), "");
    EXPECT_EQ(forms::read(forms::appkey::宽度), "1800");
    EXPECT_EQ(forms::read(forms::fgkey::宽度), "12000");
}

TEST_F(ConfigStore, WritesGoToTheKeysFile) {
    forms::write(forms::appkey::UA, "1");
    forms::write(forms::fgkey::界面图片, "/tmp/a.jpg");
    forms::write(forms::Txt::Youjian, "CNB01", "关");
    EXPECT_EQ(storedSetting("UA"), "1");
    EXPECT_EQ(storedFgSetting("界面图片"), "/tmp/a.jpg");
    EXPECT_EQ(storedText(forms::Txt::Youjian, "CNB01"), "关");
    EXPECT_EQ(storedFgSetting("UA"), "");
}

// A typed read gives the number as the strict conversion takes it, and the caller's count for a value
// that is no number, so `readNumber(key, n) == n` decides as a guarded `toDouble(read(key)) == n`.
TEST_F(ConfigStore, ReadNumberGivesTheNumberOrTheCountForNoNumber) {
    constexpr double kNoNumber = -7;
    const struct {
        const char* stored;
        double number;  // kNoNumber: no number
    } cases[] = {
        {"1", 1},           {"0", 0},           {"2", 2},          {"-1", -1},         {"0.5", 0.5},
        {".5", 0.5},        {"+3", 3},          {"1e3", 1000},     {" 1 ", 1},         {"\t0\t", 0},
        {"  12  ", 12},     {"&H10", 16},       {"&hff", 255},     {" &H10 ", 16},     {"&HFFFFFFFF", -1},
        {"", kNoNumber},    {" ", kNoNumber},   {"abc", kNoNumber}, {"1,5", kNoNumber}, {"1 0", kNoNumber},
        {"12abc", kNoNumber}, {"True", kNoNumber}, {"&H", kNoNumber}, {"&H1G", kNoNumber}, {"1e400", kNoNumber},
        {"&H100000000", kNoNumber}, {"１", kNoNumber},
    };
    for (const auto& c : cases) {
        storeSetting("字节", QString::fromUtf8(c.stored));
        const QString read = forms::read(forms::appkey::字节);
        EXPECT_EQ(forms::readNumber(forms::appkey::字节, kNoNumber), c.number) << c.stored;
        EXPECT_EQ(forms::readNumber(forms::appkey::字节, 1), c.number == kNoNumber ? 1 : c.number) << c.stored;
        // The same decisions as the guarded strict conversion.
        for (double n : {0.0, 1.0}) {
            const bool guarded = rt::guard([&] { return rt::toDouble(read) == n; });
            EXPECT_EQ(forms::readNumber(forms::appkey::字节, n) == n, guarded) << c.stored << " " << n;
        }
    }
    // A key that is absent, in a file that is absent too, is no number.
    QFile::remove(dir.path() + "/txt/应用.txt");
    EXPECT_EQ(forms::readNumber(forms::appkey::字节, 3), 3);
}

TEST_F(ConfigStore, ReadNumberReadsAtEachCall) {
    storeSetting("连接提示", "1");
    EXPECT_EQ(forms::readNumber(forms::appkey::连接提示, 0), 1);
    storeSetting("连接提示", "0");
    EXPECT_EQ(forms::readNumber(forms::appkey::连接提示, 1), 0);
    storeSetting("连接提示", "off");
    EXPECT_EQ(forms::readNumber(forms::appkey::连接提示, 1), 1);
}

// Every named key is a key of its shipped file, and every key of the shipped settings files has a
// name: a misspelt constant would read as empty for ever.
TEST(SettingKeys, NameEveryKeyOfTheShippedFiles) {
    const struct {
        forms::Txt file;
        const char* name;
    } files[] = {{forms::Txt::App, "应用.txt"}, {forms::Txt::Fg, "fg.txt"}, {forms::Txt::Yuyan, "语言.txt"}};
    for (const auto& file : files) {
        QSet<QString> shipped;
        for (const QString& line : sys::readLines(QStringLiteral(ZV_DATA_DIR "/txt/") + QString::fromUtf8(file.name))) {
            const int eq = line.indexOf('=');
            if (eq > 0) shipped.insert(line.left(eq));
        }
        QSet<QString> named;
        for (const forms::Key& key : forms::allKeys())
            if (key.file == file.file) named.insert(key.text());
        EXPECT_EQ(named, shipped) << file.name;
    }
}

}  // namespace
