// The scripted services tests rely on: answers, defaults and records.
#include "platform/ui/services.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedServices, EmptyQueuesAnswerYesForYesNoBoxesAndOkElse) {
    ScriptedServices s;
    EXPECT_EQ(ui::services().msgBox("q", ui::vbYesNo + ui::vbQuestion, ""), ui::vbYes);
    EXPECT_EQ(ui::services().msgBox("n", ui::vbCritical, "t"), ui::vbOK);
    EXPECT_EQ(ui::services().inputBox("p", "t", "d", 1, 2), "");
    EXPECT_EQ(ui::services().saveFileName("t", "a.html"), "");
    EXPECT_EQ(ui::services().openFileName("t", "*.jpg", "/"), "");
}

TEST(ScriptedServices, QueuedAnswersAreUsedInOrderAndEveryBoxIsRecorded) {
    ScriptedServices s;
    s.queueMsgBoxAnswer(ui::vbNo);
    s.queueInput("typed");
    s.queueSaveFile("/tmp/x.html");
    EXPECT_EQ(ui::services().msgBox("退出?", ui::vbYesNo + ui::vbQuestion, ""), ui::vbNo);
    EXPECT_EQ(ui::services().inputBox("短网址?", "短网址", "http://t", 100, 200), "typed");
    EXPECT_EQ(ui::services().saveFileName("保存", "a.html"), "/tmp/x.html");
    EXPECT_EQ(ui::services().msgBox("again", ui::vbYesNo, ""), ui::vbYes);

    ASSERT_EQ(s.boxes().size(), 4u);
    EXPECT_EQ(s.boxes()[0].kind, ShownBox::Message);
    EXPECT_EQ(s.boxes()[0].style, ui::vbYesNo + ui::vbQuestion);
    EXPECT_EQ(s.boxes()[0].shownTitle, "Zelvaro浏览器");  // the default title
    EXPECT_EQ(s.boxes()[1].kind, ShownBox::Input);
    EXPECT_EQ(s.boxes()[1].defaultText, "http://t");
    EXPECT_EQ(s.boxes()[1].x, 100);
    EXPECT_EQ(s.boxes()[2].kind, ShownBox::SaveFile);
    EXPECT_EQ(s.boxes()[2].prompt, "a.html");
    EXPECT_EQ(s.messages(), (QStringList{"退出?", "again"}));
}

TEST(ScriptedServices, InstallsItselfAndRestoresThePreviousServices) {
    ui::Services* before = &ui::services();
    {
        ScriptedServices outer;
        EXPECT_EQ(&ui::services(), &outer);
        {
            ScriptedServices inner;
            EXPECT_EQ(&ui::services(), &inner);
        }
        EXPECT_EQ(&ui::services(), &outer);
    }
    EXPECT_EQ(&ui::services(), before);
}

TEST(ScriptedServices, ClipboardScreenTimeAndExitAreUnderTheTestsControl) {
    ScriptedServices s;
    s.setClipboard("a");
    ui::services().setClipboardText("b");
    EXPECT_EQ(s.clipboard(), "b");
    s.setScreen(QRect(0, 0, 15000, 9000));
    EXPECT_EQ(ui::services().screenTwips().width(), 15000);
    const QDateTime t(QDate(2020, 1, 2), QTime(3, 4, 5));
    s.setNow(t);
    EXPECT_EQ(ui::services().now(), t);
    ui::services().exitProcess(0);
    ui::services().exitProcess(3);
    EXPECT_EQ(s.exitCodes(), (std::vector<int>{0, 3}));
}

}  // namespace
