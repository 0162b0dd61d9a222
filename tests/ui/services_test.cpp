// The scripted services tests rely on: answers, defaults and records.
#include "platform/ui/services.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <cmath>
#include <functional>
#include <limits>

namespace {

TEST(ScriptedServices, EmptyQueuesAnswerYesForYesNoBoxesAndOkElse) {
    ScriptedServices s;
    EXPECT_EQ(ui::services().msgBox("q", ui::vbYesNo + ui::vbQuestion, ""), ui::vbYes);
    EXPECT_EQ(ui::services().msgBox("n", ui::vbCritical, "t"), ui::vbOK);
    EXPECT_EQ(ui::services().inputBox("p", "t", "d", 1, 2), "");
    EXPECT_EQ(ui::services().saveFileName("t", "a.html", "/home/u/Downloads"), "");
    EXPECT_EQ(ui::services().openFileName("t", "*.jpg", "/"), "");
}

TEST(ScriptedServices, QueuedAnswersAreUsedInOrderAndEveryBoxIsRecorded) {
    ScriptedServices s;
    s.queueMsgBoxAnswer(ui::vbNo);
    s.queueInput("typed");
    s.queueSaveFile("/tmp/x.html");
    EXPECT_EQ(ui::services().msgBox("退出?", ui::vbYesNo + ui::vbQuestion, ""), ui::vbNo);
    EXPECT_EQ(ui::services().inputBox("短网址?", "短网址", "http://t", 100, 200), "typed");
    EXPECT_EQ(ui::services().saveFileName("保存", "a.html", "/home/u/下载"), "/tmp/x.html");
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
    EXPECT_EQ(s.boxes()[2].defaultText, "/home/u/下载");  // the folder it starts in
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

// The real boxes show their prompts as text: a page title or a tag name holding markup is shown as it
// is written, never rendered (no picture, no bold text).
TEST(RealBoxes, PromptsAreShownAsPlainText) {
    ASSERT_EQ(dynamic_cast<ScriptedServices*>(&ui::services()), nullptr);
    const QString prompt = QStringLiteral("删除 [ <img src=\"file:///tmp/x.png\"><b>标题</b> ]");
    struct Seen {
        bool found = false;
        QStringList plainLabels;  // the labels showing the prompt, as plain text
    };
    const auto answerWhenShown = [&](Seen& seen) {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [timer, &seen, &prompt] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            timer->stop();
            timer->deleteLater();
            seen.found = true;
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text() == prompt && label->textFormat() == Qt::PlainText) seen.plainLabels << label->text();
            }
            if (auto* message = qobject_cast<QMessageBox*>(box)) EXPECT_EQ(message->textFormat(), Qt::PlainText);
            if (auto* dialog = qobject_cast<QDialog*>(box)) dialog->reject();
        });
        timer->start(20);
    };
    Seen message;
    answerWhenShown(message);
    EXPECT_EQ(ui::services().msgBox(prompt, ui::vbYesNo + ui::vbQuestion, QString()), ui::vbNo);
    EXPECT_TRUE(message.found);
    EXPECT_EQ(message.plainLabels, QStringList{prompt});
    Seen input;
    answerWhenShown(input);
    EXPECT_EQ(ui::services().inputBox(prompt, QStringLiteral("<i>标题</i>"), QStringLiteral("x"), 0, 0), QString());
    EXPECT_TRUE(input.found);
    EXPECT_EQ(input.plainLabels, QStringList{prompt});
}

// A real box lies over the active window. When that window is destroyed while the box is open (a
// window unloaded by a timer or a deferred deletion), the box goes with it: the call returns the
// cancelling answer, and nothing is freed twice.
TEST(RealBoxes, AWindowDestroyedUnderAnOpenBoxCancelsIt) {
    ASSERT_EQ(dynamic_cast<ScriptedServices*>(&ui::services()), nullptr);
    struct Case {
        const char* name;
        std::function<void()> ask;
    };
    int answer = -1;
    QString typed = QStringLiteral("not asked");
    const Case cases[] = {
        {"yes/no box", [&] { answer = ui::services().msgBox(QStringLiteral("关闭吗"), ui::vbYesNo + ui::vbQuestion, QString()); }},
        {"input box", [&] { typed = ui::services().inputBox(QStringLiteral("名字"), QString(), QStringLiteral("默认"), 0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* window = new QWidget;
        window->show();
        QApplication::setActiveWindow(window);
        ASSERT_EQ(QApplication::activeWindow(), window);
        bool destroyed = false;
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [&, timer] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            timer->stop();
            timer->deleteLater();
            EXPECT_EQ(box->parentWidget(), window);
            delete window;
            destroyed = true;
        });
        timer->start(20);
        c.ask();
        EXPECT_TRUE(destroyed);
    }
    EXPECT_EQ(answer, ui::vbNo);
    EXPECT_EQ(typed, QString());
}

// A window rectangle fitted into the screens' work areas.
TEST(WorkArea, AWindowRectangleIsFittedIntoTheWorkAreaItOverlapsMost) {
    ScriptedServices s;
    const QRect primary(0, 0, 28800, 15600);
    const QRect right(28800, 0, 19200, 15360);
    const QRect above(0, -16200, 28800, 16200);
    struct Case {
        const char* name;
        QRectF stored;
        std::vector<QRect> others;
        QRectF fitted;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"inside", {690, 600, 10605, 7800}, {}, {690, 600, 10605, 7800}},
        {"touching the far corner", {18195, 7800, 10605, 7800}, {}, {18195, 7800, 10605, 7800}},
        {"partly off to the right", {25000, 600, 10605, 7800}, {}, {18195, 600, 10605, 7800}},
        {"off to the left and up", {-90000, -90000, 10605, 7800}, {}, {0, 0, 10605, 7800}},
        {"larger than the work area", {-100, -100, 40000, 20000}, {}, {0, 0, 28800, 15600}},
        {"below the minimum", {690, 600, 100, 100}, {}, {690, 600, 9000, 6000}},
        {"negative size", {690, 600, -10605, -7800}, {}, {690, 600, 9000, 6000}},
        {"not a finite number", {inf, -inf, inf, std::nan("")}, {}, {0, 0, 9000, 6000}},
        {"on the right screen", {30000, 600, 10605, 7800}, {right}, {30000, 600, 10605, 7800}},
        {"mostly on the right screen", {26000, 600, 10605, 7800}, {right}, {28800, 600, 10605, 7800}},
        {"mostly on the primary screen", {20000, 600, 10605, 7800}, {right}, {18195, 600, 10605, 7800}},
        {"on a screen above", {100, -9000, 10605, 7800}, {right, above}, {100, -9000, 10605, 7800}},
        {"where a screen was", {60000, 600, 10605, 7800}, {right}, {18195, 600, 10605, 7800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        s.setWorkArea(primary);
        s.setOtherWorkAreas(c.others);
        EXPECT_EQ(ui::fitIntoWorkArea(c.stored, 9000, 6000), c.fitted);
    }
    // A work area smaller than the minimum: the minimum, at the work area's corner.
    s.setWorkArea(QRect(150, 300, 7500, 4500));
    s.setOtherWorkAreas({});
    EXPECT_EQ(ui::fitIntoWorkArea(QRectF(690, 600, 10605, 7800), 9000, 6000), QRectF(150, 300, 9000, 6000));
}

}  // namespace
