// The picture viewer, its picture menu and the picture lists, driven through the viewer's page and
// the menu as a person uses them.
#include "page/sinks_fixture.h"

#include "forms/form14.h"
#include "media/form2.h"
#include "media/pictureviewer.h"
#include "media/viewedpicture.h"
#include "platform/sys/windows.h"
#include "platform/ui/events.h"

#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWindow>

namespace {

// A PNG picture of w x h pixels, padded with zero bytes to `size` bytes when that is larger.
QByteArray png(int w, int h, int size = 0) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    if (bytes.size() < size) bytes.append(QByteArray(size - bytes.size(), '\0'));
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    out.write(bytes);
}

// 1920 x 1080 pixels, as the scripted services give it.
constexpr double kSW = 1920 * 15;
constexpr double kSH = 1080 * 15;

}  // namespace

TEST(PictureSizeText, TheQuotientIsCutNotRounded) {
    struct Case {
        qint64 bytes;
        const char* shown;
    };
    const Case cases[] = {
        {2048, "2KB"},           {1536, "1.5KB"},         {512, "0.5KB"},
        {12345, "12.05KB"},      {0, "0KB"},              {1, "0.00KB"},
        {99999, "97.65KB"},      {1263716, "1234.09KB"},  {10486272, "10240.5KB"},
        {5368709632, "5242880.5KB"}, {10485760, "10240KB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(PictureViewer::sizeText(static_cast<double>(c.bytes) / 1024), QString::fromUtf8(c.shown));
    }
}

class PictureTest : public SinksTest {
protected:
    void SetUp() override {
        SinksTest::SetUp();
        ASSERT_TRUE(startProgram());
        QDir(folder.path()).mkpath(QStringLiteral("pictures"));
    }
    void TearDown() override {
        services.clearRecords();
        SinksTest::TearDown();
    }

    // A picture file in the program folder's "pictures": its path.
    QString pictureFile(const QString& name, int w, int h, int size = 0) {
        const QString path = folder.path() + QStringLiteral("/pictures/") + name;
        writeFile(path, png(w, h, size));
        return path;
    }
    // A picture on the loopback server: its address.
    QString webPicture(const QString& path, int w, int h, int size = 0) {
        server.addPage(path, png(w, h, size), "image/png");
        return server.urlText(path);
    }

    Form2* viewer() { return forms::windows().existing<Form2>(); }
    Form2& v() { return *viewer(); }
    Form14& f14() { return forms::form14(); }

    // Shows the address in the viewer as the program's commands do, and waits for its completion.
    bool show(const QString& address) {
        forms::window<Form2>().WebBrowser1.Navigate(address);
        const QString expected = web::addressText(web::addressFromText(address));
        return waitFor([&] {
            try {
                Form2* w = viewer();
                return w && !w->WebBrowser1.busy() && w->WebBrowser1.document().url() == expected;
            } catch (...) {
                return false;
            }
        });
    }

    QWidget* page() { return v().WebBrowser1.pageWidget(); }
    void pageMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, page()->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(page(), &event);
    }
    // A right click on the viewer's page; the menu's choice is queued first.
    void rightClickPicture() {
        const QPoint at(5, 5);
        pageMouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        pageMouse(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, page()->mapToGlobal(at));
        QCoreApplication::sendEvent(page(), &event);
    }
    // Pops the picture menu up and chooses item `index` (-1: none); returns the popup as shown.
    ShownPopup menu(int index = -1) {
        if (index < 0) services.queuePopupNone();
        else services.queuePopupChoice(QStringLiteral("lianjie100"), index);
        const size_t before = services.popups().size();
        rightClickPicture();
        EXPECT_EQ(services.popups().size(), before + 1);
        return services.popups().empty() ? ShownPopup() : services.popups().back();
    }
    QString caption(const ShownPopup& p, int index) {
        const ui::PopupItem* item = p.item(QStringLiteral("lianjie100"), index);
        return item ? item->caption : QStringLiteral("<none>");
    }
    bool enabled(const ShownPopup& p, int index) {
        const ui::PopupItem* item = p.item(QStringLiteral("lianjie100"), index);
        return item && item->enabled;
    }
    web::Document viewerDoc() { return v().WebBrowser1.document(); }
    // The pointer as the window system gives it to the viewer's window: `at` in the window.
    void windowPointer(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* w = v().widget();
        QMouseEvent event(type, at, at, at + w->geometry().topLeft(), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(w->windowHandle(), &event);
    }
    // A left-button drag from `from` in the window by `by` on the screen, in steps, the window moving
    // under the pointer as it goes.
    void windowDrag(QPoint from, QPoint by) {
        const QPoint start = v().widget()->geometry().topLeft() + from;
        windowPointer(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (int s = 1; s <= 7; ++s)
            windowPointer(QEvent::MouseMove, start + by * s / 7 - v().widget()->geometry().topLeft(), Qt::NoButton,
                          Qt::LeftButton);
        windowPointer(QEvent::MouseButtonRelease, start + by - v().widget()->geometry().topLeft(), Qt::LeftButton,
                      Qt::NoButton);
    }
    // A left click in the middle of a control of the viewer, through the window.
    void windowClick(ui::Control& c) {
        const QPoint at = c.widget()->mapTo(v().widget(), c.widget()->rect().center());
        windowPointer(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        windowPointer(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        windowPointer(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    void expectLaidOut(double browserHeightLess) {
        const double W = v().width(), H = v().height();
        EXPECT_DOUBLE_EQ(v().Label1(0).left(), 120);
        EXPECT_DOUBLE_EQ(v().Label1(1).left(), W - 1880);
        EXPECT_DOUBLE_EQ(v().Label1(3).left(), W - 1010);
        EXPECT_DOUBLE_EQ(v().WebBrowser1.left(), 120);
        EXPECT_DOUBLE_EQ(v().WebBrowser1.top(), 500);
        EXPECT_DOUBLE_EQ(v().WebBrowser1.width(), W - 240);
        EXPECT_DOUBLE_EQ(v().WebBrowser1.height(), H - browserHeightLess);
    }
};

// --- the viewer ------------------------------------------------------------------------------------

TEST_F(PictureTest, TheFirstPictureOpensTheViewerAtAThirdOfTheScreenSizedToThePicture) {
    struct Case {
        int w, h;
        double width, height;
    };
    // 333 pixels are 4995 twips, under 5000: the wide margins; 334 the narrow ones.
    const Case cases[] = {{333, 200, 4995 + 2000, 3000 + 1600},
                          {334, 200, 5010 + 1100, 3000 + 1300},
                          {640, 480, 9600 + 1100, 7200 + 1300},
                          {40, 30, 600 + 2000, 450 + 1600}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w);
        ASSERT_TRUE(show(pictureFile(QStringLiteral("p%1.png").arg(c.w), c.w, c.h)));
        ASSERT_TRUE(v().visible());
        EXPECT_EQ(v().caption(), "图片");
        EXPECT_DOUBLE_EQ(v().width(), c.width);
        EXPECT_DOUBLE_EQ(v().height(), c.height);
        EXPECT_DOUBLE_EQ(v().left(), kSW / 3);
        EXPECT_DOUBLE_EQ(v().top(), kSH / 3);
        expectLaidOut(635);
        EXPECT_EQ(viewerDoc().body().styleProperty("border"), "none");
        v().Label1_Click(3);  // hidden: the next picture is placed again
        ASSERT_FALSE(v().visible());
    }
    EXPECT_EQ(v().backColor(), 16100715);
    EXPECT_EQ(v().Label1(1).caption(), "　︹　");
    EXPECT_EQ(v().Label1(3).caption(), "　Ⅹ　");
    EXPECT_EQ(v().Label1(1).fontName(), v().Label1(0).fontName());
}

TEST_F(PictureTest, TheSizeTextComesFromTheFileOrTheReply) {
    struct Case {
        const char* name;
        bool web;
        int bytes;
        const char* shown;
    };
    const Case cases[] = {{"a.png", false, 12345, "12.05KB"}, {"b.png", false, 2048, "2KB"},
                          {"c.png", true, 1536, "1.5KB"},     {"d.png", true, 20000, "19.53KB"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString address = c.web ? webPicture(QStringLiteral("/img/") + c.name, 20, 10, c.bytes)
                                      : pictureFile(c.name, 20, 10, c.bytes);
        ASSERT_TRUE(show(address));
        EXPECT_EQ(v().Label1(0).caption(), QString::fromUtf8(c.shown));
    }
}

TEST_F(PictureTest, ASecondPictureKeepsTheVisibleViewersPlaceRestoresItAndAHiddenOneIsPlacedAgain) {
    ASSERT_TRUE(show(pictureFile("one.png", 100, 80)));
    Form2* first = viewer();
    v().move(1000, 2000, v().width(), v().height());
    v().setWindowState(ui::vbMinimized);
    ASSERT_TRUE(show(pictureFile("two.png", 500, 300)));
    EXPECT_EQ(viewer(), first);
    EXPECT_EQ(v().windowState(), ui::vbNormal);
    EXPECT_DOUBLE_EQ(v().left(), 1000);
    EXPECT_DOUBLE_EQ(v().top(), 2000);
    EXPECT_DOUBLE_EQ(v().width(), 7500 + 1100);
    EXPECT_DOUBLE_EQ(v().height(), 4500 + 1300);
    expectLaidOut(635);

    // Closed without a list: hidden, its page kept; the next picture is at a third of the screen.
    v().Label1_Click(3);
    EXPECT_EQ(viewer(), first);
    EXPECT_FALSE(v().visible());
    EXPECT_TRUE(viewerDoc().url().endsWith("two.png"));
    ASSERT_TRUE(show(pictureFile("one.png", 100, 80)));
    EXPECT_EQ(viewer(), first);
    EXPECT_TRUE(v().visible());
    EXPECT_DOUBLE_EQ(v().left(), kSW / 3);
    EXPECT_DOUBLE_EQ(v().top(), kSH / 3);
}

TEST_F(PictureTest, APageWithoutAPictureShowsTheViewerAsItIsWith0KB) {
    ASSERT_TRUE(show(pageFile("plain.html", titled("文", "<p>没有图片</p>"))));
    EXPECT_TRUE(v().visible());
    EXPECT_EQ(v().Label1(0).caption(), "0KB");
    EXPECT_DOUBLE_EQ(v().width(), Form2().width());
    EXPECT_DOUBLE_EQ(v().left(), 0);
    expectLaidOut(635);
    // Visible: it keeps its size and place.
    v().move(300, 400, 7000, 5000);
    ASSERT_TRUE(show(pageFile("plain2.html", titled("文", "<p>还是没有</p>"))));
    EXPECT_DOUBLE_EQ(v().width(), 7000);
    EXPECT_DOUBLE_EQ(v().left(), 300);
    expectLaidOut(635);
}

// An SVG picture is shown as a picture, sized to it, and its own scripts never run; nor do those of a
// page opened in the viewer. Each script asks the loopback server for a path that names it.
TEST_F(PictureTest, SvgPicturesAndPagesInTheViewerRunNoScripts) {
    const auto svg = [&](const QString& who) {
        return ("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\" onload=\"new Image().src='" +
                server.urlText("/ran/" + who + "-onload") + "'\"><script>new Image().src='" +
                server.urlText("/ran/" + who) + "';</script><rect width=\"200\" height=\"100\" fill=\"red\"/></svg>")
            .toUtf8();
    };
    const QString local = folder.path() + "/pictures/script.svg";
    writeFile(local, svg("local"));
    server.addPage("/pictures/script.svg", svg("web"), "image/svg+xml");
    const QString data = "data:image/svg+xml;base64," + QString::fromLatin1(svg("data").toBase64());
    for (const QString& address : {local, server.urlText("/pictures/script.svg"), data}) {
        SCOPED_TRACE(address.left(60).toStdString());
        ASSERT_TRUE(show(address));
        ASSERT_TRUE(waitFor([&] { return v().visible(); }));
        EXPECT_DOUBLE_EQ(v().width(), 3000 + 2000);
        EXPECT_DOUBLE_EQ(v().height(), 1500 + 1600);
        v().Label1_Click(3);
    }
    const QString html = pageFile("scripted.html", titled("文", "<script>new Image().src='" + server.urlText("/ran/page").toUtf8() +
                                                                      "';</script>"));
    ASSERT_TRUE(show(html));
    settle(300);
    for (const char* who : {"local", "local-onload", "web", "web-onload", "data", "data-onload", "page"})
        EXPECT_TRUE(server.requestsFor(QString("/ran/") + who).isEmpty()) << who;
    // The program's own listeners still work: the page's menu is the program's.
    ASSERT_TRUE(show(local));
    EXPECT_FALSE(menu().captions().isEmpty());
}

TEST_F(PictureTest, ACompletionWhileTheBrowserIsBusyChangesNothing) {
    // The frame completes first, while the picture of the page is still on its way.
    server.addPage("/frame.html", titled("框", "<p>框</p>"));
    TestHttpServer::Response slow;
    slow.headers = {{"Content-Type", "image/png"}};
    slow.body = png(50, 40);
    slow.held = true;
    server.addRoute("/slow.png", slow);
    const QString address =
        servePage("/framed.html", titled("页", "<iframe src=\"/frame.html\"></iframe><img src=\"/slow.png\">"));
    forms::window<Form2>().WebBrowser1.Navigate(address);
    ASSERT_TRUE(waitFor([&] { return !server.requestsFor("/frame.html").isEmpty(); }));
    settle(500);
    EXPECT_TRUE(v().WebBrowser1.busy());
    EXPECT_FALSE(v().visible());
    EXPECT_FALSE(v().CL.attached());
    ASSERT_TRUE(waitFor([&] { return !server.requestsFor("/slow.png").isEmpty(); }));
    server.release("/slow.png");
    ASSERT_TRUE(waitFor([&] { return v().visible(); }));
    EXPECT_DOUBLE_EQ(v().width(), 750 + 2000);
}

TEST_F(PictureTest, ADoubleClickMinimisesTheViewerAndTheFocusGoesBackToTheFrontSlot) {
    const int k = openPage();
    for (int front : {k, 1}) {
        SCOPED_TRACE(front);
        f1().lv_Click(front);
        if (front == 1) f1().Label9.setCaption("1");
        ASSERT_TRUE(show(pictureFile("f.png", 100, 80)));
        v().activate();
        pageMouse(QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
        pageMouse(QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
        pageMouse(QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
        pageMouse(QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(v().windowState(), ui::vbMinimized);
        QWidget* focused = f1().widget()->focusWidget();
        QWidget* browser = f1().WebBrowser1(front).widget();
        EXPECT_TRUE(focused && (focused == browser || browser->isAncestorOf(focused)));
    }
    // The minimise glyph and a double click on the size text minimise too.
    for (const auto& minimise : std::vector<std::function<void()>>{
             [&] { v().Label1_Click(1); }, [&] { ui::dispatch(v().Label1.onDblClick, 0); }}) {
        v().setWindowState(ui::vbNormal);
        minimise();
        EXPECT_EQ(v().windowState(), ui::vbMinimized);
    }
    v().setWindowState(ui::vbNormal);
    ui::dispatch(v().Label1.onDblClick, 1);
    EXPECT_EQ(v().windowState(), ui::vbNormal);
}

TEST_F(PictureTest, ThePageTheSizeTextAndTheWindowDragTheViewerAndNothingIsDraggedOutOfThePage) {
    ASSERT_TRUE(show(pictureFile("d.png", 200, 150)));
    struct Case {
        const char* name;
        std::function<void()> act;
        bool drags;
    };
    const Case cases[] = {
        {"page, left button held", [&] {
             pageMouse(QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton, Qt::LeftButton);
             sys::systemMoveRequests().clear();
             pageMouse(QEvent::MouseMove, QPoint(22, 22), Qt::NoButton, Qt::LeftButton);
             pageMouse(QEvent::MouseButtonRelease, QPoint(22, 22), Qt::LeftButton, Qt::NoButton);
         }, true},
        {"page, no button", [&] { pageMouse(QEvent::MouseMove, QPoint(30, 30), Qt::NoButton, Qt::NoButton); }, false},
        {"size text, left press", [&] { ui::dispatch(v().Label1.onMouseDown, 0, 1, 0, 10.0, 10.0); }, true},
        {"size text, right press", [&] { ui::dispatch(v().Label1.onMouseDown, 0, 2, 0, 10.0, 10.0); }, false},
        {"glyph, left press", [&] { ui::dispatch(v().Label1.onMouseDown, 3, 1, 0, 10.0, 100.0); }, false},
        {"window, left button", [&] { ui::dispatch(v().onMouseMove, 1, 0, 10.0, 10.0); }, true},
        {"window, no button", [&] { ui::dispatch(v().onMouseMove, 0, 0, 10.0, 10.0); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sys::systemMoveRequests().clear();
        c.act();
        ASSERT_EQ(sys::systemMoveRequests().size(), c.drags ? 1u : 0u);
        if (c.drags) {
            EXPECT_EQ(sys::systemMoveRequests()[0].window, v().hWnd());
            EXPECT_EQ(sys::systemMoveRequests()[0].hitTest, 2);
        }
    }
    // The page's own drag is refused.
    viewerDoc().evaluate("window.dragRefused='none';document.addEventListener('dragstart',function(e){"
                         "window.dragRefused=String(e.defaultPrevented);e.preventDefault();});");
    const QPoint from = media::picture(viewerDoc()).boundingClientRect().center();
    pageMouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int s = 1; s <= 5; ++s) pageMouse(QEvent::MouseMove, from + QPoint(8 * s, 8 * s), Qt::NoButton, Qt::LeftButton);
    pageMouse(QEvent::MouseButtonRelease, from + QPoint(40, 40), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(viewerDoc().evaluate("window.dragRefused"), "true");
}

// Dragged by its picture, the viewer moves by exactly what the pointer moved, also when it was dragged,
// closed and shown again before; and the first click on a glyph after a drag acts.
TEST_F(PictureTest, ADragByThePictureMovesTheViewerByWhatThePointerMovedAndTheNextClickActs) {
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(show(pictureFile(QStringLiteral("drag%1.png").arg(round), 200, 150)));
        ASSERT_TRUE(v().visible());
        const QPoint before = v().widget()->geometry().topLeft();
        const double left = v().left(), top = v().top();
        const QPoint picture = page()->mapTo(v().widget(), media::picture(viewerDoc()).boundingClientRect().center());
        windowDrag(picture, QPoint(70, 40));
        EXPECT_EQ(v().widget()->geometry().topLeft(), before + QPoint(70, 40));
        EXPECT_DOUBLE_EQ(v().left(), left + 70 * 15);
        EXPECT_DOUBLE_EQ(v().top(), top + 40 * 15);
        // The size text drags it too.
        windowDrag(v().Label1(0).widget()->mapTo(v().widget(), QPoint(5, 5)), QPoint(-20, 30));
        EXPECT_EQ(v().widget()->geometry().topLeft(), before + QPoint(50, 70));
        // The pointer goes to the close glyph over the page, without a button: nothing moves.
        windowPointer(QEvent::MouseMove, picture + QPoint(3, 3), Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(v().widget()->geometry().topLeft(), before + QPoint(50, 70));
        windowClick(v().Label1(3));
        EXPECT_FALSE(v().visible()) << "the first click on the close glyph closes";
    }
}

TEST_F(PictureTest, GlyphsAreHighlightedFrom50TwipsBelowTheirTop) {
    ASSERT_TRUE(show(pictureFile("g.png", 200, 150)));
    struct Case {
        int index;
        double y;
        bool minimiseLit, closeLit;
    };
    const Case cases[] = {{1, 50, true, false}, {3, 50, false, true}, {3, 49, false, false},
                          {1, 80, true, false}, {1, 49.5, false, false}, {3, 60, false, true},
                          {0, 60, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index * 1000 + c.y);
        ui::dispatch(v().Label1.onMouseMove, c.index, 0, 0, 10.0, c.y);
        for (const auto& [glyph, lit] : {std::pair{1, c.minimiseLit}, std::pair{3, c.closeLit}}) {
            EXPECT_EQ(v().Label1(glyph).backStyle(), lit ? 1 : 0) << glyph;
            EXPECT_EQ(v().Label1(glyph).foreColor(), 0) << glyph;
            EXPECT_EQ(v().Label1(glyph).backColor(), 16748574) << glyph;
        }
    }
    ui::dispatch(v().Label1.onMouseMove, 3, 0, 0, 10.0, 60.0);
    ui::dispatch(v().onMouseMove, 0, 0, 10.0, 10.0);
    EXPECT_EQ(v().Label1(3).backStyle(), 0);
}

// --- the picture menu ------------------------------------------------------------------------------

TEST_F(PictureTest, TheMenuShowsALocalPicturesPathCutAfter19Characters) {
    QTemporaryDir shortDir(QStringLiteral("/tmp/zvXXXXXX"));
    ASSERT_TRUE(shortDir.isValid());
    struct Case {
        const char* name;
        bool whole;
    };
    for (const Case& c : {Case{"a.png", true}, Case{"ab.png", false}}) {
        SCOPED_TRACE(c.name);
        const QString path = shortDir.path() + '/' + c.name;
        writeFile(path, png(120, 90, 3000));
        ASSERT_TRUE(show(path));
        const ShownPopup p = menu();
        EXPECT_EQ(path.size(), c.whole ? 19 : 20);
        EXPECT_EQ(caption(p, 1), "来源：" + (c.whole ? path : path.left(19) + "…"));
        EXPECT_EQ(caption(p, 2), "宽高: 120X90");
        EXPECT_EQ(caption(p, 3), "大小: 2.92KB");
        EXPECT_EQ(caption(p, 4), "保存图片(.png)");
        EXPECT_EQ(caption(p, 0), "双击小化");
        for (int i = 0; i <= 6; ++i) EXPECT_EQ(enabled(p, i), i != 0 && i != 2 && i != 3) << i;
        EXPECT_EQ(f14().lianjie100(5).tag(), "0");
        // 来源 copies the path.
        services.setClipboard("之前");
        menu(1);
        EXPECT_EQ(services.clipboard(), path);
    }
}

TEST_F(PictureTest, TheMenuShowsAWebPicturesHostAndTheAddresssEnding) {
    struct Case {
        const char* path;
        const char* save;
    };
    const Case cases[] = {{"/pic/a.PNG", "保存图片(.PNG)"},   {"/pic/b.jpeg", "保存图片(.格式不明)"},
                          {"/pic/xjpg", "保存图片(xjpg)"},    {"/pic/c.gif", "保存图片(.gif)"},
                          {"/pic/d.png?x=1", "保存图片(.格式不明)"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const QString address = webPicture(QString::fromUtf8(c.path).section('?', 0, 0), 30, 20);
        ASSERT_TRUE(show(server.urlText(c.path)));
        const ShownPopup p = menu();
        EXPECT_EQ(caption(p, 1), "来源：127.0.0.1…");
        EXPECT_EQ(caption(p, 4), QString::fromUtf8(c.save));
        EXPECT_EQ(f14().lianjie100(5).tag(), "1");
        (void)address;
    }
    menu(1);
    EXPECT_EQ(services.clipboard(), server.urlText("/pic/d.png?x=1"));
}

TEST_F(PictureTest, SaveWritesThePictureShown) {
    const QByteArray bytes = png(64, 48, 5000);
    const QString path = folder.path() + "/pictures/save.png";
    writeFile(path, bytes);
    ASSERT_TRUE(show(path));
    const QString target = home.path() + "/saved.png";
    services.queueSaveFile(target);
    menu(4);
    ASSERT_EQ(services.boxes(ShownBox::SaveFile).size(), 1u);
    EXPECT_EQ(services.boxes(ShownBox::SaveFile)[0].prompt, "save.png");
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), bytes);
}

TEST_F(PictureTest, TheWebListShowsEveryPictureOfTheFrontPageAndTheTagsWithoutAnAddressAsText) {
    QByteArray body;
    for (int i = 0; i < 9; ++i) {
        webPicture(QStringLiteral("/list/%1.png").arg(i), 10 + i, 10);
        body += "<img src=\"" + server.urlText(QStringLiteral("/list/%1.png").arg(i)).toUtf8() + "\">";
    }
    webPicture("/list/rel.png", 12, 12);
    body += "<img src=\"rel.png\" alt=\"a&amp;b\"><img src=\"rel.png\" title=\"<b>粗</b>\"><img src=\"rel.png\">";
    const int k = openTab();
    ASSERT_TRUE(load(k, servePage("/list/page.html", titled("十二", body))));
    ASSERT_TRUE(show(webPicture("/one.png", 300, 200)));
    menu(5);
    EXPECT_EQ(v().Label1(0).caption(), "12个图片");
    EXPECT_TRUE(v().listShown());
    const QList<web::Element> shown = viewerDoc().getElementsByTagName("img");
    ASSERT_EQ(shown.size(), 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(shown[i].srcResolved(), server.urlText(QStringLiteral("/list/%1.png").arg(i)));
    EXPECT_EQ(viewerDoc().getElementsByTagName("b").size(), 0);
    const QString text = viewerDoc().body().innerText();
    EXPECT_TRUE(text.contains("<img src=\"rel.png\" alt=\"a&amp;b\">")) << text.toStdString();
    const QList<web::Element> front = doc(k).getElementsByTagName("img");
    ASSERT_EQ(front.size(), 12);
    for (int i = 9; i < 12; ++i) EXPECT_TRUE(text.contains(front[i].outerHTML())) << front[i].outerHTML().toStdString();
    EXPECT_EQ(viewerDoc().getElementsByTagName("br").size(), 12);
    // The same document: its connection still brings the page's events.
    EXPECT_TRUE(v().CL.attached());
    EXPECT_DOUBLE_EQ(v().left(), 0);
    EXPECT_DOUBLE_EQ(v().top(), 0);
    EXPECT_DOUBLE_EQ(v().width(), kSW / 2);
    EXPECT_DOUBLE_EQ(v().height(), kSH - 600);
    expectLaidOut(620);
    const ShownPopup p = menu();
    EXPECT_EQ(caption(p, 3), "大小: 12个图片");
    EXPECT_FALSE(enabled(p, 5));
    EXPECT_TRUE(enabled(p, 4));
    // A new picture brings 可视图片 back.
    ASSERT_TRUE(show(webPicture("/two.png", 30, 20)));
    EXPECT_TRUE(enabled(menu(), 5));
}

TEST_F(PictureTest, SaveWithAListShownSavesTheMainWindowsFrontPageAndRestoresTheViewer) {
    const int k = openTab();
    ASSERT_TRUE(load(k, servePage("/front.html", titled("前", "<img src=\"/x.png\">"))));
    f1().WebBrowser1(1).Navigate(servePage("/home.html", titled("家", "<p>家</p>")));
    ASSERT_TRUE(waitLoaded(1, "/home.html"));
    for (int front : {k, 1}) {
        SCOPED_TRACE(front);
        f1().lv_Click(k);
        if (front == 1) f1().Label9.setCaption("1");
        ASSERT_TRUE(show(webPicture("/shown.png", 40, 30)));
        menu(5);
        ASSERT_TRUE(v().listShown());
        v().setWindowState(ui::vbMinimized);
        services.clearRecords();
        const QString target = home.path() + QStringLiteral("/page%1.html").arg(front);
        services.queueSaveFile(target);
        menu(4);
        ASSERT_EQ(services.boxes(ShownBox::SaveFile).size(), 1u);
        EXPECT_EQ(services.boxes(ShownBox::SaveFile)[0].prompt, front == 1 ? "home.html" : "front.html");
        EXPECT_EQ(v().windowState(), ui::vbNormal);
    }
}

TEST_F(PictureTest, TheFolderListShowsThe99FirstPicturesOfTheFolderAndTheWholeCount) {
    const QByteArray bytes = png(8, 8);
    const QString dir = folder.path() + "/pictures/";
    // 150 pictures: two with a blank and markup in their names, sorted first; and two other files.
    writeFile(dir + "0 空格.png", bytes);
    writeFile(dir + "0<b>x&y.png", bytes);
    for (int i = 0; i < 148; ++i) writeFile(dir + QStringLiteral("p%1.%2").arg(i, 3, 10, QChar('0')).arg(i % 2 ? "png" : "PNG"), bytes);
    writeFile(dir + "note.txt", "text");
    writeFile(dir + "q.svg", "<svg/>");
    ASSERT_TRUE(show(dir + "p001.png"));
    const double left = v().left(), width = v().width();
    menu(5);
    EXPECT_EQ(v().Label1(0).caption(), "150个图片");
    const QList<web::Element> shown = viewerDoc().getElementsByTagName("img");
    ASSERT_EQ(shown.size(), 99);
    EXPECT_EQ(QUrl(shown[0].srcResolved()).toLocalFile(), dir + "0 空格.png");
    EXPECT_EQ(QUrl(shown[1].srcResolved()).toLocalFile(), dir + "0<b>x&y.png");
    EXPECT_EQ(QUrl(shown[2].srcResolved()).toLocalFile(), dir + "p000.PNG");
    EXPECT_EQ(QUrl(shown[98].srcResolved()).toLocalFile(), dir + "p096.PNG");
    EXPECT_EQ(viewerDoc().getElementsByTagName("b").size(), 0);
    EXPECT_TRUE(waitFor([&] { return shown[0].naturalWidth() == 8 && shown[1].naturalWidth() == 8; }));
    // Narrower than the screen: its left and width stay, full height less 600.
    EXPECT_DOUBLE_EQ(v().left(), left);
    EXPECT_DOUBLE_EQ(v().width(), width);
    EXPECT_DOUBLE_EQ(v().top(), 0);
    EXPECT_DOUBLE_EQ(v().height(), kSH - 600);
    expectLaidOut(620);
    const ShownPopup p = menu();
    EXPECT_FALSE(enabled(p, 4));
    EXPECT_FALSE(enabled(p, 5));
    // Closing with a list shown unloads the viewer; the next picture comes in a fresh one.
    Form2* listed = viewer();
    menu(6);
    EXPECT_EQ(viewer(), nullptr);
    ASSERT_TRUE(show(dir + "p003.png"));
    EXPECT_NE(viewer(), nullptr);
    EXPECT_TRUE(v().visible());
    EXPECT_EQ(v().Label1(3).caption(), "　Ⅹ　");
    EXPECT_EQ(v().Label1(0).caption(), PictureViewer::sizeText(bytes.size() / 1024.0));
    (void)listed;
    // Without a list, 关闭 hides.
    menu(6);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_FALSE(v().visible());
}

TEST_F(PictureTest, TheFolderListFitsTheViewerToTheScreen) {
    // A 640 x 480 picture: a viewer of 10700 x 8500 twips.
    struct Case {
        double sw, sh;
        const char* expected;  // "height", "width", "both" or "none"
    };
    const Case cases[] = {{20000, 10000, "height"}, {10000, 10000, "width"}, {10700, 9000, "width"},
                          {10000, 8000, "both"},    {10700, 8500, "none"},   {10000, 8500, "none"}};
    const QString path = pictureFile("big.png", 640, 480);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected + std::to_string(c.sw));
        services.setScreen(QRect(0, 0, c.sw, c.sh));
        ASSERT_TRUE(show(path));
        const QRectF before(v().left(), v().top(), v().width(), v().height());
        ASSERT_DOUBLE_EQ(before.width(), 10700);
        menu(5);
        const QRectF after(v().left(), v().top(), v().width(), v().height());
        const std::string e = c.expected;
        const QRectF expected = e == "height" ? QRectF(before.left(), 0, before.width(), c.sh - 600)
                                : e == "width" ? QRectF(0, before.top(), c.sw, before.height())
                                : e == "both"  ? QRectF(0, 0, c.sw, c.sh - 600)
                                               : before;
        EXPECT_EQ(after, expected);
        expectLaidOut(620);
        menu(6);
    }
}
