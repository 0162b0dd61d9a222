// The program commands of the main menu: restart (started or not), exit and settings through their
// hot-key buttons, and about.
#include "app_fixture.h"
#include "forms/frameblockinggrace.h"

#include "mainwindow/gocommand.h"

namespace {

class ProgramCommandsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        setSetting("启动主页", "about:blank");
        setSetting("退出确认", "1");
        ASSERT_TRUE(start());
        launcher.starts.clear();
    }
    // The executable as it is built on this system: without ".exe".
    QString makeExecutable() {
        const QString exe = folder.path() + "/Zelvaro浏览器";
        QFile f(exe);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return exe;
    }
};

TEST_F(ProgramCommandsTest, RestartStartsTheExecutableByItsFixedNameAndEnds) {
    const QString exe = makeExecutable();
    const QString savedLeft = fgSetting("左右");
    f1().Command24.press();  // a tab is open: nothing is asked and nothing saved
    f1().move(f1().left() + 300, f1().top());

    f4().GB(1).click();

    ASSERT_EQ(launcher.starts.size(), 1);
    EXPECT_EQ(launcher.starts[0].program, exe);
    EXPECT_TRUE(launcher.starts[0].arguments.isEmpty());
    EXPECT_EQ(services.exitCodes(), std::vector<int>{0});
    EXPECT_TRUE(services.boxes().empty());
    EXPECT_EQ(fgSetting("左右"), savedLeft);
}

TEST_F(ProgramCommandsTest, RestartThatCannotStartSaysSoAndKeepsRunning) {
    makeExecutable();
    launcher.refuseStarts = true;
    f1().Command24.press();

    f4().GB(1).click();

    ASSERT_EQ(services.boxes().size(), 1u);
    EXPECT_TRUE(services.boxes()[0].prompt.startsWith("重启失败")) << services.boxes()[0].prompt.toStdString();
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);
    EXPECT_TRUE(services.exitCodes().empty());
    EXPECT_TRUE(f1().WebBrowser1.exists(2));  // the open tab is still there
}

TEST_F(ProgramCommandsTest, RestartEndsAPendingFrameBlockingGrace) {
    struct Case {
        const char* name;
        bool started;
        const char* afterwards;
    };
    makeExecutable();
    // The grace ends before the new program starts, so the new program reads frame blocking on; a
    // restart that fails has then only ended the grace a little early.
    for (const Case& c : {Case{"started", true, "0"}, Case{"not started", false, "0"}}) {
        SCOPED_TRACE(c.name);
        services.clearRecords();
        launcher.refuseStarts = !c.started;
        setSetting("框架不加载", "0");
        f1().Text7.setText("http://127.0.0.1:9/grace.html");
        f1().Command1.press();
        ASSERT_EQ(setting("框架不加载"), "1");
        ASSERT_TRUE(program().find<FrameBlockingGrace>()->pending());

        f4().GB(1).click();

        EXPECT_EQ(setting("框架不加载"), c.afterwards);
        EXPECT_EQ(services.exitCodes().size(), c.started ? 1u : 0u);
        program().find<FrameBlockingGrace>()->end();
    }
}

TEST_F(ProgramCommandsTest, ExitAndSettingsPressTheirHotKeyButtons) {
    std::vector<int> pressed;
    f1().Command2(19).onClick = nullptr;  // the test takes the slot over from its owner
    f1().Command2(19).onClick = [&] { pressed.push_back(19); };
    f1().Command2(11).onClick = nullptr;  // the test takes the slot over from its owner
    f1().Command2(11).onClick = [&] { pressed.push_back(11); };
    for (int index : {2, 4, 0, 5}) f4().GB.onClick(index);
    EXPECT_EQ(pressed, (std::vector<int>{19, 11}));
    EXPECT_TRUE(launcher.starts.isEmpty());
    EXPECT_TRUE(services.exitCodes().empty());
}

TEST_F(ProgramCommandsTest, ExitFromTheMenuAsksLikeTheCloseGlyph) {
    services.queueMsgBoxAnswer(ui::vbNo);
    f4().GB(2).click();
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_TRUE(services.messages()[0].endsWith("个标签打开着，是否退出"));
    EXPECT_TRUE(services.exitCodes().empty());
}

}  // namespace
