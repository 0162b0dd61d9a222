// The window commands of the main window as a person meets them: the hot keys, the exit question and
// the saved rectangle, the own maximise over the work area, the page-menu switch, the skin picture,
// the picture dropped on the window and the window manager's close.
#include "support/waits.h"
#include "support/program/program_fixture.h"
#include "forms/frameblockinggrace.h"
#include "support/stored_settings.h"

#include "forms/settings.h"
#include "forms/windowowner.h"
#include "forms/form1.h"
#include "mainwindow/gocommand.h"
#include "media/form2.h"
#include "records/form3.h"
#include "records/form6.h"
#include "settings/form5.h"
#include "platform/rt/format.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "records/form13.h"

#include <QApplication>

#include <cctype>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <QtTest/QTest>

namespace {

const QString kSkinMessage = QStringLiteral("请使用 jpg/gif/bmp 图片");
const QString kToProgramMenu = QStringLiteral("切换至  <Zelvaro>  右键");
const QString kToEngineMenu = QStringLiteral("切换至  <IE>  右键");

class Commands : public ProgramFixture {
protected:
    // Starts the program with the window at a known rectangle.
    void startAt(bool show = false) {
        ASSERT_TRUE(start(QString(), show));
        f1().move(1000, 2000, 9500, 7000);
    }
    void showActive() {
        f1().show();
        f1().widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f1().widget(), waits::limit()));
    }
    // The four rectangle keys of fg.txt.
    QStringList savedRect() const {
        return {fgSetting("左右"), fgSetting("上下"), fgSetting("宽度"), fgSetting("高度")};
    }
    void markSavedRect() {
        for (const char* k : {"左右", "上下", "宽度", "高度"}) setFgSetting(QString::fromUtf8(k), "old");
    }
    QStringList windowRect() {
        return {rt::str(f1().left()), rt::str(f1().top()), rt::str(f1().width()), rt::str(f1().height())};
    }
    std::vector<ShownBox> messages() const { return services.boxes(ShownBox::Message); }
    // A picture file (PNG data under any name; pictures are read by their content).
    QString pictureFile(const QString& name) {
        const QString file = pictures.path() + "/" + name;
        QDir().mkpath(QFileInfo(file).path());
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::red);
        EXPECT_TRUE(image.save(file, "PNG"));
        return QDir::toNativeSeparators(file);
    }
    void dropFiles(const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files) urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
        const QPoint spot(3000 / 15, 3000 / 15);
        QDragEnterEvent enter(spot, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &enter);
        QDragMoveEvent move(spot, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &move);
        QDropEvent drop(QPointF(spot), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &drop);
    }
    bool homePageLoaded() {
        return waitFor([&] {
            const web::Document d = f1().WebBrowser1(1).document();
            return !d.isNull() && d.isValid() && !f1().WebBrowser1(1).busy();
        });
    }

    QTemporaryDir pictures;
};

// --- the exit sequence --------------------------------------------------------------------------

struct ExitCase {
    bool ownMaximised;
    const char* confirm;   // 退出确认
    int answer;            // the answer queued for a question
    bool closeRequest;     // the window manager's close instead of the exit command
    bool asked;
    bool ended;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << (c.closeRequest ? "close request" : "exit command") << (c.ownMaximised ? ", maximised" : ", normal")
        << ", confirm '" << c.confirm << "', " << (c.answer == ui::vbYes ? "yes" : "no");
}

class ExitTable : public Commands, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitTable, RectangleQuestionAndEnd) {
    const ExitCase c = GetParam();
    startAt();
    const QStringList before = windowRect();
    if (c.ownMaximised) f1().Command2(17).press();
    f1().lv(3).setVisible(true);
    f1().lv(7).setVisible(true);
    setSetting("退出确认", QString::fromUtf8(c.confirm));
    markSavedRect();
    services.clearRecords();
    services.queueMsgBoxAnswer(c.answer);

    if (c.closeRequest)
        f1().widget()->close();
    else
        f1().Command2(19).press();

    if (c.ownMaximised)
        EXPECT_EQ(savedRect(), QStringList({"old", "old", "old", "old"}));
    else
        EXPECT_EQ(savedRect(), before);
    const auto boxes = messages();
    if (c.asked) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].prompt, "2个标签打开着，是否退出");
        EXPECT_EQ(boxes[0].style, ui::vbYesNo + ui::vbQuestion);
        EXPECT_EQ(boxes[0].title, "");
    } else {
        EXPECT_TRUE(boxes.empty());
    }
    EXPECT_EQ(services.exitCodes().size(), c.ended ? 1u : 0u);
    if (c.ended) {
        EXPECT_EQ(f1().windowState(), ui::vbMinimized);
    }
    // A close request never takes the window away by itself: it stays until the process ends.
    EXPECT_TRUE(f1().loaded());
}

INSTANTIATE_TEST_SUITE_P(
    Exit, ExitTable,
    ::testing::Values(ExitCase{false, "0", ui::vbYes, false, false, true}, ExitCase{false, "1", ui::vbYes, false, true, true},
                      ExitCase{false, "1", ui::vbNo, false, true, false}, ExitCase{false, "", ui::vbNo, false, false, true},
                      ExitCase{false, "x", ui::vbNo, false, false, true}, ExitCase{false, "2", ui::vbNo, false, true, false},
                      ExitCase{true, "0", ui::vbYes, false, false, true}, ExitCase{true, "1", ui::vbYes, false, true, true},
                      ExitCase{true, "1", ui::vbNo, false, true, false}, ExitCase{true, "", ui::vbNo, false, false, true},
                      ExitCase{true, "x", ui::vbNo, false, false, true},
                      ExitCase{false, "0", ui::vbYes, true, false, true}, ExitCase{false, "1", ui::vbYes, true, true, true},
                      ExitCase{false, "1", ui::vbNo, true, true, false}, ExitCase{false, "", ui::vbNo, true, false, true},
                      ExitCase{false, "x", ui::vbNo, true, false, true}, ExitCase{true, "1", ui::vbNo, true, true, false},
                      ExitCase{true, "0", ui::vbYes, true, false, true}),
    [](const ::testing::TestParamInfo<ExitCase>& info) {
        const ExitCase& c = info.param;
        std::string confirm = c.confirm;
        if (confirm.empty()) confirm = "Empty";
        return std::string(c.closeRequest ? "CloseRequest" : "ExitCommand") + (c.ownMaximised ? "_Maximised" : "_Normal") +
               "_Confirm" + confirm + (c.answer == ui::vbYes ? "_Yes" : "_No");
    });

TEST_F(Commands, ExitAsksAlsoWithNoTabOpen) {
    startAt();
    setSetting("退出确认", "1");
    services.queueMsgBoxAnswer(ui::vbNo);
    f1().Command2(19).press();
    EXPECT_EQ(services.messages(), QStringList{"0个标签打开着，是否退出"});
    EXPECT_TRUE(services.exitCodes().empty());
    EXPECT_EQ(savedRect(), windowRect());
}

TEST_F(Commands, CloseRequestAnsweredNoKeepsTheWindowShown) {
    startAt(true);
    setSetting("退出确认", "1");
    services.queueMsgBoxAnswer(ui::vbNo);
    f1().widget()->close();
    EXPECT_TRUE(f1().visible());
    EXPECT_TRUE(f1().widget()->isVisible());
    EXPECT_TRUE(services.exitCodes().empty());
}

TEST_F(Commands, ExitInsideAFrameBlockingGraceSwitchesBlockingBackOn) {
    startAt();
    setSetting("框架不加载", "0");
    setSetting("退出确认", "0");
    f1().Text7.setText("http://127.0.0.1:9/");
    f1().Command1.press();
    ASSERT_EQ(setting("框架不加载"), "1");
    ASSERT_TRUE(program().find<FrameBlockingGrace>()->pending());
    f1().Command2(19).press();
    EXPECT_EQ(services.exitCodes().size(), 1u);
    EXPECT_EQ(setting("框架不加载"), "0");
}

TEST_F(Commands, ExitAnsweredNoLeavesTheGraceRunning) {
    startAt();
    setSetting("框架不加载", "0");
    setSetting("退出确认", "1");
    f1().Text7.setText("http://127.0.0.1:9/");
    f1().Command1.press();
    services.queueMsgBoxAnswer(ui::vbNo);
    f1().Command2(19).press();
    EXPECT_TRUE(services.exitCodes().empty());
    EXPECT_EQ(setting("框架不加载"), "1");
    EXPECT_TRUE(program().find<FrameBlockingGrace>()->pending());
}

// --- own maximise and restore ------------------------------------------------------------------

struct WorkAreaCase {
    const char* name;
    QRect workArea;  // twips; the screen is 1920 x 1080 pixels
    QRect expected;
};

void PrintTo(const WorkAreaCase& c, std::ostream* os) { *os << c.name; }

class OwnMaximise : public Commands, public ::testing::WithParamInterface<WorkAreaCase> {};

TEST_P(OwnMaximise, CoversTheWorkAreaThenRestores) {
    const WorkAreaCase c = GetParam();
    services.setScreen(QRect(0, 0, 28800, 16200));
    services.setWorkArea(c.workArea);
    startAt();
    f1().noRefresh = 1;
    f1().Label2(2).setBackStyle(1);
    f1().Label2(2).setForeColor(0);

    f1().Command2(17).press();
    EXPECT_EQ(f1().tag(), "2");
    EXPECT_EQ(QRect(f1().left(), f1().top(), f1().width(), f1().height()), c.expected);
    EXPECT_EQ(f1().windowState(), ui::vbNormal);
    EXPECT_EQ(f1().noRefresh, 0);
    EXPECT_EQ(f1().Label2(2).backStyle(), 0);
    EXPECT_EQ(f1().Label2(2).foreColor(), fgSetting("颜色1").toLongLong());
    EXPECT_EQ(f1().Label2(0).tag(), "1000");
    EXPECT_EQ(f1().Label2(1).tag(), "2000");
    EXPECT_EQ(f1().Label2(2).tag(), "9500");
    EXPECT_EQ(f1().Label2(3).tag(), "7000");

    f1().Command2(17).press();
    EXPECT_EQ(f1().tag(), "0");
    EXPECT_EQ(windowRect(), QStringList({"1000", "2000", "9500", "7000"}));
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, OwnMaximise,
    ::testing::Values(WorkAreaCase{"TaskbarBottom", QRect(0, 0, 28800, 15600), QRect(0, 0, 28800, 15600)},
                      WorkAreaCase{"TaskbarLeft", QRect(900, 0, 27900, 16200), QRect(900, 0, 27900, 16200)},
                      WorkAreaCase{"TaskbarTop", QRect(0, 600, 28800, 15600), QRect(0, 600, 28800, 15600)},
                      WorkAreaCase{"TaskbarRight", QRect(0, 0, 27900, 16200), QRect(0, 0, 27900, 16200)},
                      WorkAreaCase{"TwoPanels", QRect(900, 600, 27900, 15600), QRect(900, 600, 27900, 15600)},
                      WorkAreaCase{"WholeScreen", QRect(0, 0, 28800, 16200), QRect(0, 0, 28800, 16200)},
                      WorkAreaCase{"NoWorkArea", QRect(), QRect(0, 0, 28800, 16200)}),
    [](const ::testing::TestParamInfo<WorkAreaCase>& info) { return std::string(info.param.name); });

TEST_F(Commands, OwnMaximisedWindowIsNotSavedAndRestoresFromTheTags) {
    startAt();
    f1().Command2(17).press();
    setSetting("退出确认", "1");
    markSavedRect();
    services.queueMsgBoxAnswer(ui::vbNo);
    f1().Command2(19).press();
    EXPECT_EQ(savedRect(), QStringList({"old", "old", "old", "old"}));
    // Restore, then the exit saves the rectangle from before the maximise.
    f1().Command2(17).press();
    services.queueMsgBoxAnswer(ui::vbNo);
    f1().Command2(19).press();
    EXPECT_EQ(savedRect(), QStringList({"1000", "2000", "9500", "7000"}));
}

// A colour that is no number leaves the glyph's colour; a restore tag that is no number leaves the
// window where it is, yet the window counts as normal again.
TEST_F(Commands, OwnMaximiseGoesOnPastBadValues) {
    services.setScreen(QRect(0, 0, 28800, 16200));
    services.setWorkArea(QRect(0, 0, 28800, 15600));
    startAt();
    f1().Label2(2).setForeColor(12345);
    setFgSetting("颜色1", "abc");
    f1().Command2(17).press();
    EXPECT_EQ(f1().tag(), "2");
    EXPECT_EQ(f1().Label2(2).foreColor(), 12345);
    EXPECT_EQ(f1().Label2(2).backStyle(), 0);
    EXPECT_EQ(windowRect(), QStringList({"0", "0", "28800", "15600"}));

    f1().Label2(2).setTag("wide");
    f1().Command2(17).press();
    EXPECT_EQ(f1().tag(), "0");
    EXPECT_EQ(windowRect(), QStringList({"0", "0", "28800", "15600"}));
}

TEST_F(Commands, DoubleClickOnTheBackgroundMaximises) {
    startAt(true);
    const QPoint spot(3000 / 15, 3000 / 15);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, spot, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f1().widget(), &dbl);
    EXPECT_EQ(f1().tag(), "2");
}

TEST_F(Commands, MinimiseKeepsTheOwnMaximisedState) {
    startAt(true);
    f1().Command2(17).press();
    f1().Command2(18).press();
    EXPECT_EQ(f1().windowState(), ui::vbMinimized);
    EXPECT_EQ(f1().tag(), "2");
}

// --- the page-menu switch ----------------------------------------------------------------------

struct SwitchCase {
    const char* stored;
    const char* written;
    int tick;
    const char* message;
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << "'" << c.stored << "'"; }

class PageMenuSwitch : public Commands, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(PageMenuSwitch, WritesTicksAndSays) {
    const SwitchCase c = GetParam();
    startAt();
    setSetting("网页右键", QString::fromUtf8(c.stored));
    f1().Command2(13).press();
    EXPECT_EQ(setting("网页右键"), c.written);
    Form5* settings = forms::windows().existing<Form5>();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->Check1(3).value(), c.tick);
    EXPECT_FALSE(settings->visible());
    const auto boxes = messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, QString::fromUtf8(c.message));
    EXPECT_EQ(boxes[0].style, ui::vbExclamation);
    EXPECT_EQ(boxes[0].title, "");
}

INSTANTIATE_TEST_SUITE_P(Values, PageMenuSwitch,
                         ::testing::Values(SwitchCase{"True", "False", 1, "切换至  <Zelvaro>  右键"},
                                           SwitchCase{"false", "True", 0, "切换至  <IE>  右键"},
                                           SwitchCase{"", "False", 1, "切换至  <Zelvaro>  右键"},
                                           SwitchCase{"abc", "False", 1, "切换至  <Zelvaro>  右键"},
                                           SwitchCase{"0", "True", 0, "切换至  <IE>  右键"},
                                           SwitchCase{"1", "False", 1, "切换至  <Zelvaro>  右键"}),
                         [](const ::testing::TestParamInfo<SwitchCase>& info) {
                             const std::string v = info.param.stored;
                             return v.empty() ? std::string("Empty") : v;
                         });

TEST_F(Commands, PageMenuSwitchTwiceComesBack) {
    startAt();
    setSetting("网页右键", "True");
    f1().Command2(13).press();
    f1().Command2(13).press();
    EXPECT_EQ(setting("网页右键"), "True");
    EXPECT_EQ(services.messages(), QStringList({kToProgramMenu, kToEngineMenu}));
}

// --- secondary windows ---------------------------------------------------------------------------

TEST_F(Commands, RecordWindowsOpenAtAThirdOfTheScreenAndComeBackWhenMinimised) {
    services.setScreen(QRect(0, 0, 28800, 16200));
    startAt();
    struct Row {
        int index;
        std::function<ui::Form*()> window;
    };
    const Row rows[] = {
        {11, [] { return static_cast<ui::Form*>(forms::windows().existing<Form5>()); }},
        {14, [] { return static_cast<ui::Form*>(forms::windows().existing<Form13>()); }},
        {15, [] { return static_cast<ui::Form*>(forms::windows().existing<Form3>()); }},
        {16, [] { return static_cast<ui::Form*>(forms::windows().existing<Form6>()); }},
    };
    for (const Row& r : rows) {
        f1().Command2(r.index).press();
        ui::Form* w = r.window();
        ASSERT_NE(w, nullptr) << r.index;
        EXPECT_TRUE(w->visible()) << r.index;
        EXPECT_EQ(w->left(), 9600) << r.index;
        EXPECT_EQ(w->top(), 5400) << r.index;
        const double width = w->width(), height = w->height();

        w->move(100, 100);
        w->setWindowState(ui::vbMinimized);
        f1().Command2(r.index).press();
        EXPECT_EQ(w->windowState(), ui::vbNormal) << r.index;
        EXPECT_TRUE(w->visible()) << r.index;
        EXPECT_EQ(w->left(), 100) << r.index;  // a shown window is not moved again
        EXPECT_EQ(w->width(), width) << r.index;
        EXPECT_EQ(w->height(), height) << r.index;
    }
}

// --- typed search -----------------------------------------------------------------------------

TEST_F(Commands, TypedSearchAsksWithTheEngineNameAndKeepsWordsOnCancel) {
    services.setScreen(QRect(0, 0, 26000, 16000));
    startAt();
    setSetting("搜索引擎", "2");
    f1().Label13.setTag("old words");
    services.queueInput("");
    f1().Command2(12).press();
    const auto inputs = services.boxes(ShownBox::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].prompt, storedText(forms::Txt::Sousuo, "搜索名字2"));
    EXPECT_EQ(inputs[0].title, "搜索");
    EXPECT_EQ(inputs[0].defaultText, "");
    EXPECT_DOUBLE_EQ(inputs[0].x, 10000);
    EXPECT_DOUBLE_EQ(inputs[0].y, 8000);
    EXPECT_EQ(f1().Label13.tag(), "old words");
}

TEST_F(Commands, TypedSearchKeepsTheWordsAsTyped) {
    startAt();
    services.queueInput("  ");
    f1().Command2(12).press();
    EXPECT_EQ(f1().Label13.tag(), "  ");
}

// --- skin picture and the picture viewer --------------------------------------------------------

TEST_F(Commands, SkinPictureOnTheWindowAndTheHomePage) {
    startAt(true);
    ASSERT_TRUE(homePageLoaded());
    const QString p = pictureFile("skin.jpg");
    setFgSetting("界面图片", p);
    f1().Command2(20).press();
    EXPECT_FALSE(f1().picture().isNull());
    web::Element body = f1().WebBrowser1(1).document().body();
    // The page is given the file's address, so no character of the path is taken as part of an address.
    EXPECT_EQ(body.getAttribute("background"), QUrl::fromLocalFile(p).toString(QUrl::FullyEncoded));
    EXPECT_EQ(body.styleProperty("background-repeat"), "no-repeat");
    EXPECT_EQ(body.styleProperty("background-attachment"), "fixed");
    const QString x = rt::str(static_cast<float>(f1().WebBrowser1(1).left() / 15));
    const QString y = rt::str(static_cast<float>(f1().WebBrowser1(1).top() / 15));
    EXPECT_EQ(body.styleProperty("background-position"), "-" + x + "px -" + y + "px");
    // The offset is the browser's place in pixels, fractions kept.
    f1().WebBrowser1(1).move(140, 400, f1().WebBrowser1(1).width(), f1().WebBrowser1(1).height());
    f1().Command2(20).press();
    EXPECT_EQ(body.styleProperty("background-position"), "-9.333333px -26.66667px");

    // "空" (no skin) keeps the window's picture and gives the page no background to ask for; an
    // empty value removes the window's picture too.
    setFgSetting("界面图片", "空");
    f1().Command2(20).press();
    EXPECT_FALSE(f1().picture().isNull());
    EXPECT_EQ(body.getAttribute("background"), "");
    setFgSetting("界面图片", "");
    f1().Command2(20).press();
    EXPECT_TRUE(f1().picture().isNull());
    EXPECT_EQ(body.getAttribute("background"), "");
}

// A skin too large to show counts as one that does not load: the start goes on, the window shows no
// picture and the home page is not handed the picture; a dropped one fares the same.
TEST_F(Commands, SkinTooLargeToShowReachesNeitherTheWindowNorTheHomePage) {
    QImage wide(16385, 1, QImage::Format_RGB32);
    wide.fill(Qt::red);
    const QString p = QDir::toNativeSeparators(pictures.path() + "/wide.jpg");
    ASSERT_TRUE(wide.save(p, "PNG"));
    setFgSetting("界面图片", p);
    startAt(true);
    ASSERT_TRUE(homePageLoaded());
    f1().Command2(20).press();
    EXPECT_TRUE(f1().picture().isNull());
    EXPECT_EQ(f1().WebBrowser1(1).document().body().getAttribute("background"), "");

    setFgSetting("界面图片", "空");
    dropFiles({p});
    EXPECT_EQ(fgSetting("界面图片"), p);
    EXPECT_TRUE(f1().picture().isNull());
    EXPECT_EQ(f1().WebBrowser1(1).document().body().getAttribute("background"), "");
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(Commands, DropPictureCommandOpensTheShippedPictureInTheViewer) {
    startAt();
    f1().Command2(21).press();
    Form2* viewer = forms::windows().existing<Form2>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(waitFor([&] { return viewer->visible(); }));
    EXPECT_TRUE(viewer->WebBrowser1.locationURL().endsWith(QStringLiteral("/pifu/拖入图片.png")))
        << viewer->WebBrowser1.locationURL().toStdString();
}

// --- picture dropped on the window ---------------------------------------------------------------

struct DropCase {
    std::vector<const char*> names;
    bool accepted;
};

void PrintTo(const DropCase& c, std::ostream* os) {
    for (const char* n : c.names) *os << n << " ";
}

class DropTable : public Commands, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropTable, SuffixDecides) {
    const DropCase c = GetParam();
    startAt(true);
    setFgSetting("界面图片", "空");
    QStringList files;
    for (const char* n : c.names) files << pictureFile(QString::fromUtf8(n));
    dropFiles(files);
    if (c.accepted) {
        EXPECT_TRUE(services.messages().isEmpty());
        EXPECT_EQ(fgSetting("界面图片"), files.first());
        EXPECT_FALSE(f1().picture().isNull());
        EXPECT_EQ(f1().windowState(), ui::vbNormal);
    } else {
        EXPECT_EQ(services.messages(), QStringList{kSkinMessage});
        EXPECT_EQ(messages()[0].style, ui::vbExclamation);
        EXPECT_EQ(messages()[0].title, "");
        EXPECT_EQ(fgSetting("界面图片"), "空");
        EXPECT_TRUE(f1().picture().isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DropTable,
                         ::testing::Values(DropCase{{"a.jpg"}, true}, DropCase{{"B.JPG"}, true},
                                           DropCase{{"c.jpeg"}, true}, DropCase{{"d.gif"}, true},
                                           DropCase{{"e.bmp"}, true}, DropCase{{"f.png"}, false},
                                           DropCase{{"a.jpg.exe"}, false}, DropCase{{"x.gif/pic.png"}, false},
                                           DropCase{{"jpg"}, false}, DropCase{{"f.png", "a.jpg"}, false},
                                           DropCase{{"a.jpg", "f.png"}, true}),
                         [](const ::testing::TestParamInfo<DropCase>& info) {
                             std::string name;
                             for (const char* n : info.param.names) {
                                 if (!name.empty()) name += "_then_";
                                 for (const char* ch = n; *ch; ++ch) name += std::isalnum(static_cast<unsigned char>(*ch)) ? *ch : '_';
                             }
                             return name;
                         });

TEST_F(Commands, DroppedPictureBecomesTheHomePageBackground) {
    startAt(true);
    ASSERT_TRUE(homePageLoaded());
    const QString p = pictureFile("drop.bmp");
    dropFiles({p});
    EXPECT_EQ(f1().WebBrowser1(1).document().body().getAttribute("background"),
              QUrl::fromLocalFile(p).toString(QUrl::FullyEncoded));
}

// --- hot keys ------------------------------------------------------------------------------------

struct HotKeyCase {
    int index;
    const char* key;  // 应用.txt key
    Qt::Key letter;
};

void PrintTo(const HotKeyCase& c, std::ostream* os) { *os << "Command2(" << c.index << ")"; }

class HotKeys : public Commands, public ::testing::WithParamInterface<HotKeyCase> {};

TEST_P(HotKeys, AltLetterRunsTheCommand) {
    const HotKeyCase c = GetParam();
    const QString letter = QKeySequence(c.letter).toString();
    // Letters other than the shipped ones, so the setting read at start is what binds them.
    setSetting(QString::fromUtf8(c.key), letter);
    setSetting("退出确认", "1");
    setSetting("网页右键", "False");
    ASSERT_TRUE(start(QString(), false));
    showActive();
    ASSERT_EQ(f1().Command2(c.index).caption(), "&" + letter);
    services.clearRecords();
    services.queueInput("");
    services.queueMsgBoxAnswer(ui::vbNo);

    QTest::keyClick(f1().widget(), c.letter, Qt::AltModifier);

    switch (c.index) {
    case 11: EXPECT_TRUE(forms::windows().existing<Form5>() && forms::windows().existing<Form5>()->visible()); break;
    case 12: EXPECT_EQ(services.boxes(ShownBox::Input).size(), 1u); break;
    case 13: EXPECT_EQ(services.messages(), QStringList{kToEngineMenu}); break;
    case 14: EXPECT_TRUE(forms::windows().existing<Form13>() && forms::windows().existing<Form13>()->visible()); break;
    case 15: EXPECT_TRUE(forms::windows().existing<Form3>() && forms::windows().existing<Form3>()->visible()); break;
    case 16: EXPECT_TRUE(forms::windows().existing<Form6>() && forms::windows().existing<Form6>()->visible()); break;
    case 17: EXPECT_EQ(f1().tag(), "2"); break;
    case 18: EXPECT_EQ(f1().windowState(), ui::vbMinimized); break;
    case 19: EXPECT_EQ(services.messages(), QStringList{"0个标签打开着，是否退出"}); break;
    case 21: EXPECT_NE(forms::windows().existing<Form2>(), nullptr); break;
    default: FAIL();
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, HotKeys,
                         ::testing::Values(HotKeyCase{11, "Zelvaro设置", Qt::Key_1}, HotKeyCase{12, "打字搜索", Qt::Key_2},
                                           HotKeyCase{13, "切换右键", Qt::Key_3}, HotKeyCase{14, "收藏历史", Qt::Key_4},
                                           HotKeyCase{15, "网页历史", Qt::Key_5}, HotKeyCase{16, "下载历史", Qt::Key_6},
                                           HotKeyCase{17, "大化窗口", Qt::Key_7}, HotKeyCase{18, "小化窗口", Qt::Key_8},
                                           HotKeyCase{19, "退出软件", Qt::Key_9}, HotKeyCase{21, "拖入图片", Qt::Key_0}),
                         [](const ::testing::TestParamInfo<HotKeyCase>& info) {
                             return "Command" + std::to_string(info.param.index);
                         });

}  // namespace
