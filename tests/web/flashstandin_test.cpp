// The stand-in player of Flash objects: one player window per Flash object, directly inside the page
// window and lying over the object; it follows the object while it is in the page, stays put
// elsewhere, and lets the mouse through to the page only while it is in the page.
#include "web_test_util.h"

#include "platform/sys/windows.h"
#include "platform/web/flashstandin.h"

#include <QPointer>

using namespace web;

namespace {

const QString kPlayer = QString::fromLatin1(kFlashPlayerClass);

const char* const kPage =
    "<html><body style=\"margin:0;height:3000px\">"
    "<object id=\"first\" type=\"application/x-shockwave-flash\" data=\"/movies/first.swf\" width=\"420\" "
    "height=\"310\" style=\"position:absolute;left:30px;top:40px\"></object>"
    "<embed id=\"second\" type=\"application/x-shockwave-flash\" src=\"/movies/second.swf\" width=\"300\" "
    "height=\"200\" style=\"position:absolute;left:480px;top:60px\">"
    "<object id=\"other\" type=\"application/x-unknown-thing\" width=\"100\" height=\"100\" "
    "style=\"position:absolute;left:30px;top:400px\"></object>"
    "</body></html>";

class FlashStandInTest : public WebTest {
protected:
    FlashStandInTest() { setPluginHook(flashStandIns()); }
    ~FlashStandInTest() override { setPluginHook(nullptr); }

    WebBrowser* loaded() {
        server.addPage("/flash", kPage);
        WebBrowser* b = makeBrowser();
        EXPECT_TRUE(load(b, server.urlText("/flash")));
        page = sys::handleOf(b->pageWidget());
        EXPECT_TRUE(waitUntil([&] { return sys::childWindows(page, kPlayer).size() == 2; }));
        return b;
    }
    // The player lying over the element.
    int playerOver(WebBrowser* b, const QString& id) {
        const QRect box = b->document().getElementById(id).boundingClientRect();
        for (int h : sys::childWindows(page, kPlayer))
            if (sys::windowRect(h) == box) return h;
        return 0;
    }
    bool shown(int h) { return sys::windowOf(h) && !sys::windowOf(h)->isHidden(); }

    int page = 0;
};

}  // namespace

TEST_F(FlashStandInTest, EachFlashObjectGetsAPlayerWindowOverItInThePageWindow) {
    WebBrowser* b = loaded();
    for (const char* id : {"first", "second"}) {
        SCOPED_TRACE(id);
        const int h = playerOver(b, id);
        ASSERT_NE(h, 0);
        EXPECT_EQ(sys::classNameOf(h), kPlayer);
        EXPECT_EQ(sys::parentWindow(h), page);
        EXPECT_TRUE(waitUntil([&] { return shown(h); }));
        EXPECT_TRUE(sys::windowOf(h)->toolTip().endsWith(QStringLiteral(".swf")));
    }
    // The other plug-in type is left to the engine; the search finds the players only.
    EXPECT_EQ(sys::childWindows(page, kPlayer).size(), 2u);
    EXPECT_NE(sys::findChildWindow(page, kPlayer), 0);
}

TEST_F(FlashStandInTest, ThePageSeesThePointerOverTheObject) {
    WebBrowser* b = loaded();
    DocumentSink sink;
    sink.attach(b->document());
    QStringList over;
    sink.onmouseover = [&](const DocumentEvent& e) {
        over << e.srcElement.tagName().toLower();
        return true;
    };
    const QRect box = b->document().getElementById("first").boundingClientRect();
    mouse(b->pageWidget(), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::NoButton);
    // Delivered where the window system would: to the widget under the pointer.
    QWidget* under = b->pageWidget()->childAt(box.center());
    QWidget* target = under ? under : b->pageWidget();
    mouse(target, QEvent::MouseMove, target->mapFrom(b->pageWidget(), box.center()), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(over.contains("object")) << over.join(',').toStdString();
}

TEST_F(FlashStandInTest, FollowsTheObjectInThePageAndStaysPutElsewhere) {
    WebBrowser* b = loaded();
    const int h = playerOver(b, "first");
    ASSERT_NE(h, 0);
    const QRect before = sys::windowRect(h);

    b->document().evaluate("window.scrollTo(0, 25)");
    ASSERT_TRUE(waitUntil([&] { return sys::windowRect(h).top() == before.top() - 25; }));
    EXPECT_EQ(sys::windowRect(h), b->document().getElementById("first").boundingClientRect());

    QWidget elsewhere;
    elsewhere.resize(900, 700);
    elsewhere.show();
    const int other = sys::handleOf(&elsewhere);
    sys::setParentWindow(h, other);
    EXPECT_EQ(sys::parentWindow(h), other);
    const QRect moved = sys::windowRect(h);
    EXPECT_EQ(moved.topLeft(), before.topLeft() - QPoint(0, 25));  // the offset it had in the page
    EXPECT_FALSE(sys::windowOf(h)->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(sys::findChildWindow(page, kPlayer), playerOver(b, "second"));

    b->document().evaluate("window.scrollTo(0, 100)");
    settle();
    EXPECT_EQ(sys::windowRect(h), moved);
    EXPECT_TRUE(shown(h));

    sys::setParentWindow(h, page);
    EXPECT_TRUE(sys::windowOf(h)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(FlashStandInTest, APlayerDestroyedWithAnotherWindowLeavesThePageWhole) {
    WebBrowser* b = loaded();
    const int h = playerOver(b, "first");
    ASSERT_NE(h, 0);
    {
        QWidget other;
        sys::setParentWindow(h, sys::handleOf(&other));
    }
    EXPECT_EQ(sys::windowOf(h), nullptr);
    // The page goes on, and goes, without its player.
    b->document().evaluate("window.scrollTo(0, 50)");
    ASSERT_TRUE(load(b, server.urlText("/flash")));
    browsers.clear();
    settle();
}
