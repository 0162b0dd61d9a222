// The Flash button, the pop-out into the pop-out window and the return path, on pages whose Flash
// objects show the program's stand-in player.
#include "page/sinks_fixture.h"

#include "app/aboutoverlay.h"
#include "forms/form4.h"
#include "media/flashpopout.h"
#include "media/form12.h"
#include "page/hintbar.h"
#include "platform/sys/windows.h"
#include "platform/ui/events.h"
#include "platform/ui/services.h"
#include "platform/web/flashstandin.h"
#include "support/program/jobs_fixture.h"
#include "forms/windowowner.h"

#include <QRegion>
#include <QWidget>

namespace {

const QString kPlayer = QString::fromLatin1(web::kFlashPlayerClass);

QByteArray object(const char* id, const char* type, int left, int top, int width, int height,
                  const char* tag = "object") {
    return QStringLiteral("<%1 id=\"%2\" type=\"%3\" data=\"/m/%2.swf\" src=\"/m/%2.swf\" width=\"%6\" height=\"%7\" "
                          "style=\"display:block;position:absolute;left:%4px;top:%5px;width:%6px;height:%7px\">%8")
        .arg(tag, id, type)
        .arg(left)
        .arg(top)
        .arg(width)
        .arg(height)
        .arg(QString::fromLatin1(tag) == "embed" ? QString() : QStringLiteral("</%1>").arg(tag))
        .toUtf8();
}
const char* const kFlash = "application/x-shockwave-flash";
const char* const kOther = "application/x-other-thing";

}  // namespace

class FlashTest : public SinksTest {
protected:
    void SetUp() override {
        SinksTest::SetUp();
        setSetting("Flash按钮", "1");
        setSetting("弹出小化", "0");
        ASSERT_TRUE(startProgram());
        // Room for two players side by side.
        f1().move(0, 0, 1400 * 15, 900 * 15);
    }
    void TearDown() override {
        services.clearRecords();
        SinksTest::TearDown();
    }
    // A new tab in front showing `body`; waits for `playerCount` players.
    int openFlash(const QByteArray& body, int playerCount, const QByteArray& title = "影片") {
        const QString path = QStringLiteral("/flash%1").arg(++pages_);
        const int k = openTab();
        EXPECT_TRUE(load(k, servePage(path, "<html><head><meta charset=\"utf-8\"><title>" + title +
                                                "</title></head><body style=\"margin:0\">" + body + "</body></html>")));
        EXPECT_TRUE(waitFor([&] { return static_cast<int>(players(k).size()) == playerCount; }));
        return k;
    }
    int openPlayerPage(const QByteArray& title = "影片") { return openFlash(object("p", kFlash, 20, 30, 401, 301), 1, title); }
    int pageWindow(int k) { return sys::handleOf(f1().WebBrowser1(k).pageWidget()); }
    std::vector<int> players(int k) { return sys::childWindows(pageWindow(k), kPlayer); }
    int playerOver(int k, const QString& id) {
        const QRect box = doc(k).getElementById(id).boundingClientRect();
        for (int h : players(k))
            if (sys::windowRect(h) == box) return h;
        return 0;
    }
    FlashPopOut& popOut() { return *program().find<FlashPopOut>(); }
    void hover(int k, const QString& id) { popOut().detect(doc(k).getElementById(id)); }
    Form12* window() { return forms::windows().existing<Form12>(); }
    // Hover, then click the button.
    void popOutFrom(int k, const QString& id) {
        hover(k, id);
        ASSERT_TRUE(f1().Command7.visible());
        f1().Command7.press();
        ASSERT_NE(window(), nullptr);
    }
    void closeGlyph() { ui::dispatch(window()->Label1(3).onClick); }

    int pages_ = 0;
};

// --- the detection ---------------------------------------------------------------------------------

TEST_F(FlashTest, DetectionOffersTheButtonOverLargeObjectsAndEmbedsOnly) {
    struct Case {
        const char* id;
        int width, height;
        bool offered;
    };
    const Case cases[] = {
        {"p", 401, 301, true},    {"o400", 400, 301, false}, {"o300", 401, 300, false},
        {"ok", 401, 301, true},   {"e", 401, 301, true},     {"d", 500, 400, false},
        {"tiny", 200, 100, false},
    };
    QByteArray body = object("p", kFlash, 20, 30, 401, 301) + object("tiny", kFlash, 440, 30, 200, 100) +
                      object("o400", kOther, 20, 340, 400, 301) + object("o300", kOther, 440, 340, 401, 300) +
                      object("ok", kOther, 860, 340, 401, 301) + object("e", kOther, 860, 30, 401, 301, "embed") +
                      "<div id=\"d\" style=\"position:absolute;left:20px;top:660px;width:500px;height:400px\"></div>";
    const int k = openFlash(body, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        ASSERT_EQ(doc(k).getElementById(c.id).offsetWidth(), c.width);
        ASSERT_EQ(doc(k).getElementById(c.id).offsetHeight(), c.height);
        f1().Command7.setVisible(false);
        hover(k, c.id);
        EXPECT_EQ(f1().Command7.visible(), c.offered);
    }
}

TEST_F(FlashTest, DetectionFollowsTheSettingThePoppedOutSlotAndThePlayer) {
    struct Case {
        const char* setting;
        const char* popped;
        bool offered;
    };
    const Case cases[] = {{"1", "0", true},  {"2", "0", true},  {"0", "0", false}, {"", "0", false},
                          {"x", "0", false}, {"1", "1", true},  {"1", "2", false}, {"1", "x", false}};
    const int k = openPlayerPage();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.setting) + " / " + c.popped);
        setSetting("Flash按钮", c.setting);
        f1().Command7.setTag(c.popped);
        f1().Command7.setVisible(false);
        hover(k, "p");
        EXPECT_EQ(f1().Command7.visible(), c.offered);
    }
    f1().Command7.setTag("0");
    // A page without a player offers nothing over a large object.
    setSetting("Flash按钮", "1");
    const int other = openFlash(object("ok", kOther, 20, 30, 401, 301), 0);
    f1().Command7.setVisible(false);
    hover(other, "ok");
    EXPECT_FALSE(f1().Command7.visible());
}

TEST_F(FlashTest, TheButtonSitsOverTheObjectsTopRightCornerAndTheBoxIsKept) {
    const int k = openPlayerPage();
    hover(k, "p");
    auto& b = f1().Command7;
    EXPECT_DOUBLE_EQ(b.top(), 15 * 30 + f1().lv(2).height() + f1().Text7.height() - 270);
    EXPECT_DOUBLE_EQ(b.left(), 15 * 20 + 15 * 401 + f1().WebBrowser1(2).left() - 1100);
    EXPECT_DOUBLE_EQ(b.width(), 1095);
    EXPECT_DOUBLE_EQ(b.height(), 375);
    // Lower edge 65 twips above the object, right edge 5 inside it.
    EXPECT_DOUBLE_EQ(b.top() + b.height(), f1().WebBrowser1(k).top() + 15 * 30 - 65 + 5 - 5);
    EXPECT_DOUBLE_EQ(b.left() + b.width(), f1().WebBrowser1(k).left() + 15 * (20 + 401) - 5);
    EXPECT_EQ(f1().Label6(0).caption(), "30");
    EXPECT_EQ(f1().Label6(1).caption(), "20");
    EXPECT_EQ(f1().Label6(0).tag(), "301");
    EXPECT_EQ(f1().Label6(1).tag(), "401");
}

TEST_F(FlashTest, TheRealPointerOverTheObjectOffersTheButton) {
    const int k = openPlayerPage();
    moveOver(k, "p");
    EXPECT_TRUE(f1().Command7.visible());
}

TEST_F(FlashTest, NothingIsOfferedOrPoppedOutWithTheHomeSlotInFront) {
    const int k = openPlayerPage();
    f1().WebBrowser1(1).Navigate(f1().WebBrowser1(k).document().url());
    ASSERT_TRUE(waitFor([&] { return idle(1) && !players(1).empty(); }));
    f4().BQYJ100(1).setTag(QString::number(k));
    f4().BQYJ100(6).click();
    ASSERT_EQ(f1().Label9.caption(), "1");
    popOut().detect(doc(1).getElementById("p"));
    EXPECT_FALSE(f1().Command7.visible());
    f1().Command7.press();
    EXPECT_EQ(services.messages(), QStringList{FlashPopOut::kNoPlayer});
    EXPECT_EQ(f1().Command7.tag(), "0");
    EXPECT_EQ(window(), nullptr);
}

// --- the pop-out ----------------------------------------------------------------------------------

TEST_F(FlashTest, PopOutSizesTheWindowPlacesTheContainerAndMovesThePlayer) {
    const int k = openPlayerPage();
    const int player = playerOver(k, "p");
    ASSERT_NE(player, 0);
    EXPECT_EQ(sys::parentWindow(player), pageWindow(k));
    popOutFrom(k, "p");
    Form12& w = *window();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.caption(), "Flash播放器");
    EXPECT_EQ(f1().Command7.tag(), QString::number(k));
    EXPECT_FALSE(f1().Command7.visible());
    EXPECT_TRUE(f1().Timer4(3).enabled());
    EXPECT_DOUBLE_EQ(w.width(), 15 * 401 - 10);
    EXPECT_DOUBLE_EQ(w.height(), 15 * 301 + 480);
    EXPECT_DOUBLE_EQ(w.Picture1.width(), w.width());
    EXPECT_EQ(w.Label1(0).caption(), "影片");
    EXPECT_DOUBLE_EQ(w.Label1(0).left(), 120);
    EXPECT_DOUBLE_EQ(w.Label1(1).left(), w.width() - 1990);
    EXPECT_DOUBLE_EQ(w.Label1(3).left(), w.width() - 1010);
    // 网页右移 0: the browser area begins 150 twips in.
    EXPECT_DOUBLE_EQ(w.Picture2.left(), 140 - 15 * 20 - 150);
    EXPECT_DOUBLE_EQ(w.Picture2.top(), 500 - 15 * 30);
    EXPECT_DOUBLE_EQ(w.Picture2.width(), w.width() + 9000);
    EXPECT_DOUBLE_EQ(w.Picture2.height(), w.height() + 6000);
    EXPECT_EQ(sys::parentWindow(player), w.containerHandle());
    EXPECT_EQ(sys::windowRect(player), QRect(20, 30, 401, 301));
    // So the player lies just below the title strip.
    const QPoint inWindow = sys::windowOf(player)->mapTo(w.widget(), QPoint(0, 0));
    EXPECT_NEAR(inWindow.x(), (140 - 150) / 15.0, 1);
    EXPECT_NEAR(inWindow.y(), 500 / 15.0, 1);
    // In the middle of the screen (1920 x 1080 pixels).
    EXPECT_DOUBLE_EQ(w.left(), (1920 * 15 - w.width()) / 2);
    EXPECT_DOUBLE_EQ(w.top(), (1080 * 15 - w.height()) / 2);
    EXPECT_TRUE(players(k).empty());
}

TEST_F(FlashTest, TheMainWindowMinimisesBy弹出小化) {
    struct Case {
        const char* value;
        bool minimised;
    };
    const int k = openPlayerPage();
    for (const Case& c : {Case{"1", true}, Case{"", true}, Case{"x", true}, Case{"0", false}, Case{"2", false}}) {
        SCOPED_TRACE(c.value);
        setSetting("弹出小化", c.value);
        popOutFrom(k, "p");
        EXPECT_EQ(f1().windowState() == ui::vbMinimized, c.minimised);
        closeGlyph();
        f1().setWindowState(ui::vbNormal);
    }
}

TEST_F(FlashTest, TheTitleIsCutWhenItWouldReachTheGlyphs) {
    struct Case {
        QByteArray title;
        QString shown;
    };
    const QString longTitle = QString(60, QChar(0x5F71));
    const Case cases[] = {{"影片", "影片"}, {"", ""}, {longTitle.toUtf8(), longTitle.left(33) + QStringLiteral("…")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        // A window wide enough for 33 wide characters before the glyphs.
        const int k = openFlash(object("p", kFlash, 20, 30, 1000, 301), 1, c.title);
        popOutFrom(k, "p");
        EXPECT_EQ(window()->Label1(0).caption(), c.shown);
        closeGlyph();
    }
}

// In a narrower window a long title is cut shorter still: its caption ends before the room of the
// minimise and close glyphs, which stay in sight; a character outside the basic plane is kept whole.
TEST_F(FlashTest, ALongTitleNeverHidesTheGlyphs) {
    const QString titles[] = {QString(60, QChar(0x5F71)), QString(40, QChar(0xD55C)),
                              QString::fromUtf8("😀影片😀影片😀影片😀影片😀影片😀影片😀影片😀影片😀影片😀影片😀影片"),
                              QString(80, QLatin1Char('W'))};
    for (const QString& title : titles) {
        SCOPED_TRACE(title.toStdString());
        const int k = openPlayerPage(title.toUtf8());
        popOutFrom(k, "p");
        Form12& w = *window();
        const QString shown = w.Label1(0).caption();
        ASSERT_TRUE(shown.endsWith(QStringLiteral("…")));
        const QString kept = shown.chopped(1);
        EXPECT_TRUE(title.startsWith(kept));
        EXPECT_LE(kept.size(), 33);
        EXPECT_FALSE(!kept.isEmpty() && kept.at(kept.size() - 1).isHighSurrogate());
        EXPECT_LE(w.Label1(0).left() + w.Label1(0).width(), w.width() - 2970);
        EXPECT_LT(w.Label1(0).left() + w.Label1(0).width(), w.Label1(1).left());
        closeGlyph();
    }
}

// A player partly out of view in its page (the page clips it there) pops out whole, and is clipped
// by its page again once it is back.
TEST_F(FlashTest, APlayerPartlyOutOfViewPopsOutWhole) {
    const int k = openFlash(object("p", kFlash, -150, -120, 560, 420), 1);
    const int player = playerOver(k, "p");
    ASSERT_NE(player, 0);
    QWidget* p = sys::windowOf(player);
    const QRect whole = p->rect();
    ASSERT_TRUE(waitFor([&] { return !p->mask().isEmpty() && p->mask() != QRegion(whole); }))
        << "in its page only the part in view shows";
    popOutFrom(k, "p");
    ASSERT_EQ(sys::parentWindow(player), window()->containerHandle());
    EXPECT_EQ(p->size(), QSize(560, 420));
    EXPECT_TRUE(p->mask().isEmpty()) << "the whole player shows";
    // Below the title strip and inside the window.
    const QRect inWindow(p->mapTo(window()->widget(), QPoint(0, 0)), p->size());
    EXPECT_NEAR(inWindow.top(), 500 / 15.0, 1);
    EXPECT_LE(inWindow.bottom(), window()->widget()->height());
    closeGlyph();
    ASSERT_EQ(sys::parentWindow(player), pageWindow(k));
    EXPECT_TRUE(!p->mask().isEmpty() && p->mask() != QRegion(whole)) << "clipped by its page again";
}

TEST_F(FlashTest, AClickThatFindsNoPlayerRefuses) {
    const int k = openPlayerPage();
    hover(k, "p");
    // The player is gone from the page by the time of the click.
    QWidget elsewhere;
    sys::setParentWindow(playerOver(k, "p"), sys::handleOf(&elsewhere));
    ASSERT_TRUE(players(k).empty());
    f1().Command7.press();
    EXPECT_FALSE(f1().Command7.visible());
    ASSERT_EQ(services.boxes().size(), 1u);
    EXPECT_EQ(services.boxes()[0].prompt, "视频不能小窗口");
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);
    EXPECT_EQ(services.boxes()[0].title, "");
    EXPECT_EQ(f1().Command7.tag(), "0");
    EXPECT_EQ(window(), nullptr);
}

TEST_F(FlashTest, TwoPlayersEachPopOutFromTheirOwnObject) {
    const int k = openFlash(object("a", kFlash, 10, 10, 401, 301) + object("b", kFlash, 430, 10, 401, 301), 2);
    const int a = playerOver(k, "a");
    const int b = playerOver(k, "b");
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    for (const auto& [id, mine, other] : {std::tuple{"b", b, a}, std::tuple{"a", a, b}}) {
        SCOPED_TRACE(id);
        popOutFrom(k, id);
        EXPECT_EQ(sys::parentWindow(mine), window()->containerHandle());
        clock.advance(400);  // job 3 leaves the other player in its page
        EXPECT_EQ(sys::parentWindow(other), pageWindow(k));
        EXPECT_EQ(sys::windowRect(mine), QRect(doc(k).getElementById(id).boundingClientRect()));
        closeGlyph();
        EXPECT_EQ(sys::parentWindow(mine), pageWindow(k));
        EXPECT_EQ(sys::windowRect(mine), doc(k).getElementById(id).boundingClientRect());
    }
}

TEST_F(FlashTest, Job3MovesThePlayerBackIntoTheOpenWindowAndNothingOnceItClosed) {
    const int k = openPlayerPage();
    const int player = playerOver(k, "p");
    popOutFrom(k, "p");
    sys::setParentWindow(player, pageWindow(k));
    clock.advance(400);
    EXPECT_EQ(sys::parentWindow(player), window()->containerHandle());
    EXPECT_FALSE(f1().Timer4(3).enabled());
    closeGlyph();

    popOutFrom(k, "p");
    closeGlyph();
    clock.advance(400);
    EXPECT_EQ(sys::parentWindow(player), pageWindow(k));
    EXPECT_EQ(window(), nullptr);
}

// --- the return path -------------------------------------------------------------------------------

TEST_F(FlashTest, EveryCloseOfTheWindowBringsThePlayerBackAndTheTabToTheFront) {
    struct Case {
        const char* name;
        std::function<void()> close;
    };
    const Case cases[] = {
        {"close glyph", [this] { closeGlyph(); }},
        {"window system", [this] { window()->widget()->close(); }},
        {"tab menu close", [this] {
             f4().BQYJ100(1).setTag(f1().Command7.tag());
             f4().BQYJ100(1).click();
         }},
        {"F5", [this] { key(f1().Command7.tag().toInt(), Qt::Key_F5); }},
    };
    const int k = openPlayerPage();
    const int player = playerOver(k, "p");
    openFlash("<p id=\"t\">其他</p>", 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f1().lv_Click(k);
        popOutFrom(k, "p");
        f1().lv_Click(3);  // another tab in front
        if (std::string(c.name) == "F5") f1().lv_Click(k);
        c.close();
        EXPECT_EQ(f1().Command7.tag(), "0");
        EXPECT_EQ(f1().Label9.caption(), QString::number(k));
        EXPECT_TRUE(f1().lv(k).visible());
        EXPECT_EQ(sys::parentWindow(player), pageWindow(k));
        EXPECT_EQ(sys::windowRect(player), doc(k).getElementById("p").boundingClientRect());
        EXPECT_TRUE(window() == nullptr || !window()->visible());
    }
}

TEST_F(FlashTest, ThePoppedOutSlotRefusesNavigationAndRefresh) {
    const int k = openPlayerPage();
    const QString address = doc(k).url();
    popOutFrom(k, "p");
    services.clearRecords();
    f1().WebBrowser1(k).Navigate(servePage("/elsewhere", titled("别处", "")));
    settle(300);
    f4().BQYJ100(1).setTag(QString::number(k));
    f4().BQYJ100(2).click();
    settle(300);
    EXPECT_EQ(services.messages(), (QStringList{"窗口独立运行中，点击被中断", "窗口独立运行中，点击被中断"}));
    EXPECT_EQ(services.boxes()[0].title, "Flash播放器");
    EXPECT_EQ(doc(k).url(), address);
    EXPECT_EQ(sys::parentWindow(playerOver(k, "p")), 0);  // still out of the page
}

TEST_F(FlashTest, AFullStripResetKeepsThePoppedOutTabOrBringsSlot2sPlayerBack) {
    for (int popped : {5, 2}) {
        SCOPED_TRACE(popped);
        for (int s = 2; s <= 10; ++s) {
            if (s == popped) openPlayerPage();
            else openFlash("<p>页</p>", 0);
        }
        const int player = playerOver(popped, "p");
        f1().lv_Click(popped);
        popOutFrom(popped, "p");
        services.queueMsgBoxAnswer(ui::vbYes);
        f1().Command24.press();
        EXPECT_EQ(f1().Label9.caption(), "2");
        for (int s = 3; s <= 10; ++s) {
            if (s == popped) continue;
            EXPECT_FALSE(f1().WebBrowser1.exists(s)) << s;
        }
        if (popped == 2) {
            EXPECT_EQ(f1().Command7.tag(), "0");
            EXPECT_EQ(sys::parentWindow(player), pageWindow(2));
        } else {
            EXPECT_EQ(f1().Command7.tag(), "5");
            EXPECT_TRUE(f1().WebBrowser1.exists(5));
            EXPECT_TRUE(f1().lv(5).visible());
            EXPECT_EQ(sys::parentWindow(player), window()->containerHandle());
            closeGlyph();
            EXPECT_EQ(sys::parentWindow(player), pageWindow(5));
        }
        // Back to a strip of free slots for the next case.
        for (int s = 10; s >= 2; --s) {
            if (!f1().lv(s).visible()) continue;
            f4().BQYJ100(1).setTag(QString::number(s));
            f4().BQYJ100(1).click();
        }
        clock.advance(100);
    }
}

// --- the pop-out window ----------------------------------------------------------------------------

TEST_F(FlashTest, TheWindowTakesItsColoursAndCaptionsFromTheSettings) {
    setFgSetting("背景0", "255");
    setFgSetting("颜色1", "65280");
    setFgSetting("小化", "－");
    setFgSetting("关闭", "×");
    setFgSetting("字体", "DejaVu Sans");
    const int k = openPlayerPage();
    popOutFrom(k, "p");
    Form12& w = *window();
    EXPECT_EQ(w.backColor(), 255);
    EXPECT_EQ(w.Picture1.backColor(), 255);
    EXPECT_EQ(w.Picture2.backColor(), 255);
    for (int i : {0, 1, 3}) {
        EXPECT_EQ(w.Label1(i).foreColor(), 65280) << i;
        EXPECT_EQ(w.Label1(i).fontName(), "DejaVu Sans") << i;
    }
    EXPECT_EQ(w.Label1(1).caption(), "－");
    EXPECT_EQ(w.Label1(3).caption(), "×");
    closeGlyph();
    setFgSetting("背景0", "蓝");
    popOutFrom(k, "p");
    EXPECT_EQ(window()->backColor(), Form12().backColor());
}

TEST_F(FlashTest, ActivationMakesTheWindowTopmost) {
    const int k = openPlayerPage();
    popOutFrom(k, "p");
    ui::dispatch(window()->onActivate);
    EXPECT_TRUE(window()->widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window()->visible());
}

TEST_F(FlashTest, TheStripAndTheTitleDragTheWindowAndTheGlyphsDoNot) {
    const int k = openPlayerPage();
    popOutFrom(k, "p");
    Form12& w = *window();
    struct Case {
        const char* name;
        std::function<void()> move;
        bool drags;
    };
    const Case cases[] = {
        {"strip", [&] { ui::dispatch(w.Picture1.onMouseMove, 1, 0, 100.0, 100.0); }, true},
        {"title", [&] { ui::dispatch(w.Label1(0).onMouseMove, 1, 0, 10.0, 10.0); }, true},
        {"window", [&] { ui::dispatch(w.onMouseMove, 1, 0, 10.0, 10.0); }, true},
        {"minimise glyph", [&] { ui::dispatch(w.Label1(1).onMouseMove, 1, 0, 10.0, 100.0); }, false},
        {"close glyph", [&] { ui::dispatch(w.Label1(3).onMouseMove, 1, 0, 10.0, 100.0); }, false},
        {"strip, no button", [&] { ui::dispatch(w.Picture1.onMouseMove, 0, 0, 100.0, 100.0); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sys::systemMoveRequests().clear();
        c.move();
        ASSERT_EQ(sys::systemMoveRequests().size(), c.drags ? 1u : 0u);
        if (c.drags) {
            EXPECT_EQ(sys::systemMoveRequests()[0].window, w.hWnd());
            EXPECT_EQ(sys::systemMoveRequests()[0].hitTest, 2);
        }
    }
}

TEST_F(FlashTest, GlyphLooks) {
    setFgSetting("颜色1", "111");
    setFgSetting("颜色2", "222");
    setFgSetting("颜色3", "333");
    const int k = openPlayerPage();
    popOutFrom(k, "p");
    Form12& w = *window();
    struct Case {
        int index;
        double y;
        bool minimiseHover, closeHover;
    };
    const Case cases[] = {{1, 31, true, false}, {3, 31, false, true}, {3, 30, false, false},
                          {1, 31, true, false}, {0, 31, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index * 100 + c.y);
        ui::dispatch(w.Label1(c.index).onMouseMove, 0, 0, 10.0, c.y);
        for (const auto& [glyph, hovered] : {std::pair{1, c.minimiseHover}, std::pair{3, c.closeHover}}) {
            EXPECT_EQ(w.Label1(glyph).backStyle(), hovered ? 1 : 0) << glyph;
            EXPECT_EQ(w.Label1(glyph).foreColor(), hovered ? 222 : 111) << glyph;
            if (hovered) {
                EXPECT_EQ(w.Label1(glyph).backColor(), 333) << glyph;
            }
        }
    }
    ui::dispatch(w.Label1(1).onMouseMove, 0, 0, 10.0, 31.0);
    ui::dispatch(w.Picture1.onMouseMove, 0, 0, 10.0, 10.0);
    EXPECT_EQ(w.Label1(1).backStyle(), 0);
    w.Label1_Click(1);
    EXPECT_EQ(w.windowState(), ui::vbMinimized);
    EXPECT_EQ(f1().Command7.tag(), QString::number(k));
}

TEST_F(FlashTest, TheMouseLockTogglesWithItsMessagesAndANewWindowStartsUnlocked) {
    const int k = openPlayerPage();
    const int player = playerOver(k, "p");
    popOutFrom(k, "p");
    services.clearRecords();
    ui::dispatch(window()->Picture1.onDblClick);
    EXPECT_FALSE(window()->Picture2.enabled());
    EXPECT_FALSE(sys::windowOf(player)->isEnabled());
    ui::dispatch(window()->Label1(0).onDblClick);
    EXPECT_TRUE(window()->Picture2.enabled());
    ui::dispatch(window()->Label1(3).onDblClick);
    EXPECT_FALSE(window()->Picture2.enabled());
    ASSERT_EQ(services.boxes().size(), 3u);
    EXPECT_EQ(services.boxes()[0].prompt, "鼠标左右键[ 禁止 ]");
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbExclamation);
    EXPECT_EQ(services.boxes()[1].prompt, "鼠标左右键[ 释放 ]");
    EXPECT_EQ(services.boxes()[1].style, ui::vbOKOnly + ui::vbInformation);
    EXPECT_EQ(services.boxes()[0].title, "");
    closeGlyph();
    EXPECT_TRUE(sys::windowOf(player)->isEnabled());
    popOutFrom(k, "p");
    EXPECT_TRUE(window()->Picture2.enabled());
}

// --- the player in its page ------------------------------------------------------------------------

// The link hint bar at the bottom of a page stays on top of a player lying under it: while the bar is
// shown the player leaves out the bar's box, so the bar looks the same over the player as beside it;
// once the bar is hidden the player is whole again.
TEST_F(FlashTest, TheLinkHintBarStaysOverThePlayer) {
    setSetting("连接提示", "1");
    const int k = openFlash(object("p", kFlash, 300, 0, 1000, 3000), 1);
    ASSERT_TRUE(waitFor([&] { return doc(k).getElementById(HintBar::kStripId).isValid(); }));
    QWidget* page = f1().WebBrowser1(k).pageWidget();
    const auto pixel = [&](int x, int y) { return QColor(page->grab().toImage().pixel(x, y)); };
    const QColor playerColour(0x20, 0x24, 0x2c);
    const int barY = static_cast<int>(page->height() * 0.96) + 8;  // the bar's top is at 96% of the page
    ASSERT_EQ(pixel(600, page->height() / 2), playerColour);       // the player, above the bar
    ASSERT_NE(pixel(200, barY), playerColour);                      // the bar beside the player
    EXPECT_TRUE(waitFor([&] { return pixel(600, barY) == pixel(200, barY); }))
        << pixel(600, barY).name().toStdString() << " " << pixel(200, barY).name().toStdString();
    EXPECT_EQ(pixel(600, page->height() / 2), playerColour);

    // A status text without "http" hides the bar.
    doc(k).evaluate(QStringLiteral("window.status = 'ready'"));
    ASSERT_TRUE(waitFor([&] { return doc(k).getElementById(HintBar::kStripId).styleProperty("visibility") == "hidden"; }));
    EXPECT_TRUE(waitFor([&] { return pixel(600, barY) == playerColour; })) << pixel(600, barY).name().toStdString();
}

// The about box lies over the whole page, players included: while it is shown no part of a player
// shows through it; once it is removed the player is whole again.
TEST_F(FlashTest, TheAboutBoxLiesOverThePlayer) {
    const int k = openFlash(object("p", kFlash, 300, 0, 800, 600), 1);
    QWidget* page = f1().WebBrowser1(k).pageWidget();
    const auto pixel = [&](int x, int y) { return QColor(page->grab().toImage().pixel(x, y)); };
    const QColor playerColour(0x20, 0x24, 0x2c);
    ASSERT_EQ(pixel(700, 20), playerColour);
    program().find<AboutOverlay>()->showOrRemove();
    ASSERT_TRUE(program().find<AboutOverlay>()->shows(k));
    // The about box's picture covers the page: the player's spot looks like the page beside it.
    EXPECT_TRUE(waitFor([&] { return pixel(700, 20) == pixel(1200, 20); }))
        << pixel(700, 20).name().toStdString() << " " << pixel(1200, 20).name().toStdString();
    program().find<AboutOverlay>()->showOrRemove();
    EXPECT_TRUE(waitFor([&] { return pixel(700, 20) == playerColour; })) << pixel(700, 20).name().toStdString();
}

// The job FlashReparent of the Flash pop-out: with no popped-out player back in the front page it
// moves nothing and switches itself off.
namespace {

using forms::Job;

class FlashReparentJob : public JobsFixture {};

TEST_F(FlashReparentJob, WithoutAPlayerMovesNothing) {
    openPage("<p>no player</p>");
    // An open pop-out window: the job would have a container to move a player into.
    Form12& w = forms::window<Form12>();
    const int container = w.containerHandle();
    ASSERT_NE(container, 0);
    const QString players = QString::fromLatin1(web::kFlashPlayerClass);
    const auto before = sys::childWindows(container, players);
    forms::start(f1(), Job::FlashReparent);
    clock.advance(400);
    EXPECT_EQ(sys::childWindows(container, players), before);
    EXPECT_FALSE(timer(Job::FlashReparent).enabled());
}

}  // namespace
