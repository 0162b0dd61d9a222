#include "app/config.h"
#include "platform/rt/error.h"
#include "platform/rt/gbk.h"
#include "sys_fixtures.h"

namespace {

using ConfigStore = ProgramFolder;

TEST_F(ConfigStore, UsualFilesLieInTheTxtFolder) {
    EXPECT_EQ(sys::nativePath(app::appTxt()), dir.path() + "/txt/应用.txt");
    EXPECT_EQ(sys::nativePath(app::fgTxt()), dir.path() + "/txt/fg.txt");
    EXPECT_EQ(sys::nativePath(app::yuyanTxt()), dir.path() + "/txt/语言.txt");
    EXPECT_EQ(sys::nativePath(app::youjianTxt()), dir.path() + "/txt/右键.txt");
    EXPECT_EQ(sys::nativePath(app::sousuoTxt()), dir.path() + "/txt/sousuo.txt");
}

TEST_F(ConfigStore, YouyiIsTheOffsetPlus150AsText) {
    const struct { const char* stored; const char* result; } cases[] = {
        {"0", "150"}, {"-130", "20"}, {" 10 ", "160"}, {"-150", "0"}, {"0.5", "150.5"}, {"&H10", "166"},
    };
    for (const auto& c : cases) {
        app::writeFgSetting("网页右移", QString::fromUtf8(c.stored));
        EXPECT_EQ(app::youyi(), QString::fromUtf8(c.result)) << c.stored;
    }
}

TEST_F(ConfigStore, YouyiRaisesTypeMismatchForEmptyOrWords) {
    for (const char* stored : {"", "abc", "1,5"}) {
        app::writeFgSetting("网页右移", QString::fromUtf8(stored));
        try {
            app::youyi();
            ADD_FAILURE() << "no error for " << stored;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), rt::TypeMismatch) << stored;
        }
    }
    QFile::remove(dir.path() + "/txt/fg.txt");
    EXPECT_FALSE(rt::step([] { app::youyi(); }));  // a missing file reads as ""
}

TEST_F(ConfigStore, GettersReadTheirKeysAtEachCall) {
    app::XIERU(app::yuyanTxt(), "Zelvaro", "表格头", "<table border=1>");
    app::XIERU(app::yuyanTxt(), "Zelvaro", "表格尾", "</table>");
    app::XIERU(app::yuyanTxt(), "Zelvaro", "背景色1", "#FFFFFF");
    app::XIERU(app::yuyanTxt(), "Zelvaro", "背景色2", "#EEEEEE");
    app::writeSetting("当前标签", "16748574");
    EXPECT_EQ(app::ge1(), "<table border=1>");
    EXPECT_EQ(app::ge2(), "</table>");
    EXPECT_EQ(app::bg1(), "#FFFFFF");
    EXPECT_EQ(app::bg2(), "#EEEEEE");
    EXPECT_EQ(app::j(), "16748574");
    // a change made behind the store's back is seen by the next read
    QFile f(dir.path() + "/txt/应用.txt");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(rt::toGbk("[Zelvaro]\r\n当前标签=255\r\n"));
    f.close();
    EXPECT_EQ(app::j(), "255");
    EXPECT_EQ(app::setting("当前标签"), "255");
}

TEST_F(ConfigStore, SameKeyInBothSettingsFilesStaysApart) {
    app::writeSetting("宽度", "1800");
    app::writeFgSetting("宽度", "12000");
    EXPECT_EQ(app::setting("宽度"), "1800");
    EXPECT_EQ(app::fgSetting("宽度"), "12000");
    EXPECT_EQ(app::OS(app::appTxt(), "Zelvaro", "宽度"), "1800");
    EXPECT_EQ(app::setting("高度"), "");
}

}  // namespace
