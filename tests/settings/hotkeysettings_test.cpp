// The page 快键: a changed letter rebinds the main window's hot key at once; a letter another command
// holds runs the command that took it last.
#include "support/waits.h"
#include "pages_fixture.h"

#include "records/form13.h"

namespace {

bool favoritesShown() {
    Form13* favorites = forms::windows().existing<Form13>();
    return favorites && favorites->visible();
}

}  // namespace

class HotKeysTest : public PagesTest {
protected:
    // Alt + key in the main window, active as a person has it.
    void alt(Qt::Key key) {
        f1().widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f1().widget(), waits::limit()));
        QTest::keyClick(f1().widget(), key, Qt::AltModifier);
    }
    // The message command 13 shows.
    int pageMenuMessages() {
        int n = 0;
        for (const QString& m : services.messages())
            if (m.startsWith(QStringLiteral("切换至"))) ++n;
        return n;
    }
};

TEST_F(HotKeysTest, ChangedLetterRunsTheCommandAtOnceAndTheOldOneNoLonger) {
    app("切换右键", "S");
    app("Zelvaro设置", "Z");
    Form5& w = open();
    services.clearRecords();
    services.queueInput("k");
    w.Text9.onClick(13);
    ASSERT_EQ(inputsShown().size(), 1u);
    EXPECT_EQ(inputsShown()[0].prompt, "ALT+S");
    EXPECT_EQ(inputsShown()[0].title, "修改");
    EXPECT_EQ(inputsShown()[0].defaultText, "S");
    EXPECT_EQ(w.Text9(13).text(), "k");
    EXPECT_EQ(app("切换右键"), "k");
    EXPECT_EQ(f1().Command2(13).caption(), "&k");
    EXPECT_TRUE(indicatorShown(w));

    alt(Qt::Key_S);
    EXPECT_EQ(pageMenuMessages(), 0);
    alt(Qt::Key_K);
    EXPECT_EQ(pageMenuMessages(), 1);
}

// Several characters are stored whole; Alt with the first one runs the command. Cancel, an empty
// answer and the unchanged value change nothing; the letter case counts as a change.
TEST_F(HotKeysTest, AnswersAreStoredAsTyped) {
    struct Case {
        const char* answer;
        const char* stored;
        bool indicator;
    };
    const Case cases[] = {{"", "S", false}, {"S", "S", false}, {"s", "s", true}, {"abc", "abc", true}};
    app("切换右键", "S");
    Form5& w = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        indicatorGone();
        services.queueInput(QString::fromUtf8(c.answer));
        w.Text9.onClick(13);
        EXPECT_EQ(app("切换右键"), QString::fromUtf8(c.stored));
        EXPECT_EQ(w.Text9(13).text(), QString::fromUtf8(c.stored));
        EXPECT_EQ(indicatorShown(w), c.indicator);
    }
    EXPECT_EQ(f1().Command2(13).caption(), "&abc");
    services.clearRecords();
    alt(Qt::Key_A);
    EXPECT_EQ(pageMenuMessages(), 1);
}

// A letter another command holds: the command that took it last runs on it, alone; when it gives the
// letter up, the other runs on it again.
TEST_F(HotKeysTest, ALetterAnotherCommandHoldsRunsTheCommandThatTookItLast) {
    app("切换右键", "Y");
    app("收藏历史", "C");
    Form5& w = open();
    services.queueInput("y");
    w.Text9.onClick(14);
    EXPECT_EQ(app("收藏历史"), "y");
    services.clearRecords();
    alt(Qt::Key_Y);
    EXPECT_TRUE(favoritesShown());
    EXPECT_EQ(pageMenuMessages(), 0);

    services.queueInput("C");
    w.Text9.onClick(14);
    alt(Qt::Key_Y);
    EXPECT_EQ(pageMenuMessages(), 1);
    forms::windows().existing<Form13>()->hide();
    alt(Qt::Key_C);
    EXPECT_TRUE(favoritesShown());
}

// At start the commands are bound in order: of two holding one letter, the later one runs.
TEST_F(HotKeysTest, TwoStoredCommandsWithOneLetterRunTheLaterAtStart) {
    app("切换右键", "Y");
    app("收藏历史", "Y");
    ASSERT_TRUE(start());
    alt(Qt::Key_Y);
    EXPECT_TRUE(favoritesShown());
    EXPECT_EQ(pageMenuMessages(), 0);
}
