// Document sinks: events of the attached document only, their fields, the event in progress, and the
// handler's result deciding the page's default action.
#include "web_test_util.h"
#include "support/waits.h"

#include "platform/rt/error.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWheelEvent>

using web::Document;
using web::DocumentEvent;
using web::DocumentSink;
using web::WebBrowser;

namespace {

void wheel(WebBrowser* b, QPoint at) {
    QWidget* view = b->pageWidget();
    QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &event);
}

void dragAcrossText(WebBrowser* b) {
    const QRect text = b->document().getElementById("text").boundingClientRect();
    QWidget* view = b->pageWidget();
    const QPoint from(text.left() + 12, text.center().y());
    const QPoint to(text.left() + 200, text.center().y());
    mouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int x = from.x(); x <= to.x(); x += 20) mouse(view, QEvent::MouseMove, QPoint(x, from.y()), Qt::NoButton, Qt::LeftButton);
    mouse(view, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

class SinkTest : public WebTest {
protected:
    WebBrowser* loaded(const QString& name = QStringLiteral("b")) {
        WebBrowser* b = makeBrowser(name);
        EXPECT_TRUE(load(b, server.urlText("/pages/sinks.html"), QString(), name));
        return b;
    }
};

TEST_F(SinkTest, HandlerResultDecidesTheContextMenu) {
    struct Case {
        const char* name;
        int result;  // -1: no handler
        bool engineMenu;
    };
    const std::vector<Case> cases = {{"cancelled", 0, false}, {"allowed", 1, true}, {"no handler", -1, true}};
    WebBrowser* b = loaded();
    DocumentSink sink;
    sink.attach(b->document());
    for (const Case& c : cases) {
        services.clearRecords();
        services.queuePopupNone();
        int seen = 0;
        sink.oncontextmenu = nullptr;
        if (c.result >= 0) {
            sink.oncontextmenu = [&](const DocumentEvent& e) {
                ++seen;
                EXPECT_EQ(e.button, 2);
                return c.result == 1;
            };
        }
        const QPoint at = b->document().getElementById("text").boundingClientRect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, b->pageWidget()->mapToGlobal(at));
        QCoreApplication::sendEvent(b->pageWidget(), &event);
        EXPECT_EQ(seen, c.result >= 0 ? 1 : 0) << c.name;
        EXPECT_EQ(services.popups().size(), c.engineMenu ? 1u : 0u) << c.name;
    }
}

TEST_F(SinkTest, HandlerResultDecidesTheWheel) {
    WebBrowser* b = loaded();
    DocumentSink sink;
    sink.attach(b->document());
    int delta = 0;
    sink.onmousewheel = [&](const DocumentEvent& e) {
        delta = e.wheelDelta;
        return false;
    };
    wheel(b, QPoint(100, 300));
    EXPECT_EQ(delta, -120);
    settle(50);
    EXPECT_EQ(b->document().scrollPosition().y(), 0);
    sink.onmousewheel = [](const DocumentEvent&) { return true; };
    wheel(b, QPoint(100, 300));
    ASSERT_TRUE(waitUntil([&] { return b->document().scrollPosition().y() > 0; }));
}

TEST_F(SinkTest, HandlerResultDecidesTheSelectStart) {
    WebBrowser* b = loaded();
    DocumentSink sink;
    sink.attach(b->document());
    int starts = 0;
    sink.onselectstart = [&](const DocumentEvent&) {
        ++starts;
        return false;
    };
    dragAcrossText(b);
    EXPECT_GE(starts, 1);
    EXPECT_EQ(b->document().selectionText(), QString());
    sink.onselectstart = [](const DocumentEvent&) { return true; };
    dragAcrossText(b);
    EXPECT_FALSE(b->document().selectionText().isEmpty());
}

TEST_F(SinkTest, HandlerResultDecidesTheDragStart) {
    WebBrowser* b = loaded();
    Document doc = b->document();
    DocumentSink sink;
    sink.attach(doc);
    // The page's own listener comes after the sinks: it reads whether the default was prevented and
    // then prevents it itself, so no drag session starts.
    doc.evaluate("document.getElementById('pic').addEventListener('dragstart',function(e){"
                 "window.prevented=String(e.defaultPrevented);e.preventDefault();});");
    auto dragPicture = [&] {
        doc.evaluate("window.prevented='none'");
        const QPoint from = doc.getElementById("pic").boundingClientRect().center();
        QWidget* view = b->pageWidget();
        mouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (int step = 1; step <= 5; ++step)
            mouse(view, QEvent::MouseMove, from + QPoint(8 * step, 8 * step), Qt::NoButton, Qt::LeftButton);
        mouse(view, QEvent::MouseButtonRelease, from + QPoint(40, 40), Qt::LeftButton, Qt::NoButton);
        return doc.evaluate("window.prevented");
    };
    QString source;
    sink.ondragstart = [&](const DocumentEvent& e) {
        source = e.srcElement.id();
        return false;
    };
    EXPECT_EQ(dragPicture(), QStringLiteral("true")) << "default prevented";
    EXPECT_EQ(source, QStringLiteral("pic"));
    sink.ondragstart = nullptr;
    sink.ondragstart = [](const DocumentEvent&) { return true; };
    EXPECT_EQ(dragPicture(), QStringLiteral("false"));
}

TEST_F(SinkTest, ClickFieldsAndTheEventInProgress) {
    WebBrowser* b = loaded();
    Document doc = b->document();
    DocumentSink sink;
    sink.attach(doc);
    DocumentEvent seen;
    QString readByMenu;
    std::function<void()> menuItem = [&] {
        // What a menu item run from inside the handler reads as the window's current event.
        const DocumentEvent& current = doc.event();
        readByMenu = current.type + " " + current.srcElement.id();
    };
    sink.onclick = [&](const DocumentEvent& e) {
        seen = e;
        menuItem();
        return true;
    };
    const QRect text = doc.getElementById("text").boundingClientRect();
    click(b, "text");
    EXPECT_EQ(seen.type, QStringLiteral("click"));
    EXPECT_EQ(seen.srcElement.id(), QStringLiteral("text"));
    EXPECT_EQ(seen.button, 1);
    EXPECT_EQ(QPoint(seen.clientX, seen.clientY), text.center());
    EXPECT_FALSE(seen.ctrlKey || seen.altKey || seen.shiftKey);
    EXPECT_EQ(readByMenu, QStringLiteral("click text"));
    EXPECT_TRUE(doc.event().isNull());
}

TEST_F(SinkTest, MouseMoveReportsTheHeldButton) {
    WebBrowser* b = loaded();
    DocumentSink sink;
    sink.attach(b->document());
    std::vector<int> buttons;
    sink.onmousemove = [&](const DocumentEvent& e) {
        buttons.push_back(e.button);
        return true;
    };
    QWidget* view = b->pageWidget();
    mouse(view, QEvent::MouseMove, QPoint(300, 400), Qt::NoButton, Qt::NoButton);
    mouse(view, QEvent::MouseButtonPress, QPoint(300, 400), Qt::LeftButton, Qt::LeftButton);
    mouse(view, QEvent::MouseMove, QPoint(310, 405), Qt::NoButton, Qt::LeftButton);
    mouse(view, QEvent::MouseButtonRelease, QPoint(310, 405), Qt::LeftButton, Qt::NoButton);
    ASSERT_GE(buttons.size(), 2u);
    EXPECT_EQ(buttons.front(), 0);
    EXPECT_EQ(buttons.back(), 1);
}

TEST_F(SinkTest, MouseDownReportsItsButtonAndElement) {
    struct Case {
        const char* name;
        Qt::MouseButton button;
        int reported;
    };
    const std::vector<Case> cases = {{"left", Qt::LeftButton, 1}, {"right", Qt::RightButton, 2}, {"middle", Qt::MiddleButton, 4}};
    WebBrowser* b = loaded();
    DocumentSink sink;
    sink.attach(b->document());
    std::vector<DocumentEvent> downs;
    // A press is only reported: the handler's answer cancels nothing.
    sink.onmousedown = [&](const DocumentEvent& e) {
        downs.push_back(e);
        return false;
    };
    b->document().evaluate("document.addEventListener('mousedown', function (e) { window.pressPrevented = e.defaultPrevented; })");
    QWidget* view = b->pageWidget();
    const QPoint at = b->document().getElementById("text").boundingClientRect().center();
    for (const Case& c : cases) {
        downs.clear();
        mouse(view, QEvent::MouseButtonPress, at, c.button, c.button);
        mouse(view, QEvent::MouseButtonRelease, at, c.button, Qt::NoButton);
        ASSERT_EQ(downs.size(), 1u) << c.name;
        EXPECT_EQ(downs[0].type, QStringLiteral("mousedown")) << c.name;
        EXPECT_EQ(downs[0].button, c.reported) << c.name;
        EXPECT_EQ(downs[0].srcElement.id(), QStringLiteral("text")) << c.name;
        EXPECT_EQ(QPoint(downs[0].clientX, downs[0].clientY), at) << c.name;
        EXPECT_EQ(b->document().evaluate("String(window.pressPrevented)"), QStringLiteral("false")) << c.name;
    }
    // A press the page's script makes reaches no sink.
    downs.clear();
    b->document().evaluate("document.getElementById('text').dispatchEvent(new MouseEvent('mousedown', {bubbles: true}))");
    EXPECT_TRUE(downs.empty());
}

TEST_F(SinkTest, EventsOfTheAttachedDocumentOnly) {
    WebBrowser* a = loaded("a");
    WebBrowser* c = loaded("c");
    DocumentSink sink;
    int clicks = 0;
    sink.onclick = [&](const DocumentEvent&) {
        ++clicks;
        return true;
    };
    sink.attach(a->document());
    click(a, "text");
    click(c, "text");
    EXPECT_EQ(clicks, 1);
    sink.attach(c->document());  // ends the connection to a's document
    click(a, "text");
    EXPECT_EQ(clicks, 1);
    click(c, "text");
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(sink.document(), c->document());
    sink.detach();
    click(c, "text");
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(sink.attached());
}

TEST_F(SinkTest, ANewDocumentEndsTheConnection) {
    WebBrowser* b = loaded();
    DocumentSink sink;
    int clicks = 0;
    sink.onclick = [&](const DocumentEvent&) {
        ++clicks;
        return true;
    };
    Document old = b->document();
    sink.attach(old);
    ASSERT_TRUE(load(b, server.urlText("/pages/sinks.html")));
    click(b, "text");
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(sink.attached());
    EXPECT_THROW(sink.attach(old), rt::RuntimeError);
    sink.attach(b->document());
    click(b, "text");
    EXPECT_EQ(clicks, 1);
}

TEST_F(SinkTest, TwoSinksOnOneDocument) {
    WebBrowser* b = loaded();
    DocumentSink first, second;
    first.attach(b->document());
    second.attach(b->document());
    int firstSeen = 0, secondSeen = 0;
    first.oncontextmenu = [&](const DocumentEvent&) {
        ++firstSeen;
        return true;
    };
    second.oncontextmenu = [&](const DocumentEvent&) {
        ++secondSeen;
        return false;
    };
    const QPoint at(100, 300);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, b->pageWidget()->mapToGlobal(at));
    QCoreApplication::sendEvent(b->pageWidget(), &event);
    EXPECT_EQ(firstSeen, 1);
    EXPECT_EQ(secondSeen, 1);
    EXPECT_TRUE(services.popups().empty()) << "one refusal cancels";
}

TEST_F(SinkTest, SinkDestroyedInsideItsOwnHandler) {
    WebBrowser* b = loaded();
    auto sink = std::make_unique<DocumentSink>();
    DocumentSink other;
    sink->attach(b->document());
    other.attach(b->document());
    int otherSeen = 0;
    sink->onclick = [&](const DocumentEvent&) {
        sink.reset();
        return true;
    };
    other.onclick = [&](const DocumentEvent&) {
        ++otherSeen;
        return true;
    };
    click(b, "text");
    EXPECT_FALSE(sink);
    EXPECT_EQ(otherSeen, 1);
}

TEST_F(SinkTest, SelectionChangeAndKeyDown) {
    WebBrowser* b = loaded();
    Document doc = b->document();
    DocumentSink sink;
    sink.attach(doc);
    QString selected;
    sink.onselectionchange = [&](const DocumentEvent&) {
        selected = doc.selectionText();
        return true;
    };
    // A selection the page's script makes on its own is not the user's: no event.
    doc.evaluate("var r=document.createRange();r.selectNodeContents(document.getElementById('link'));"
                 "window.getSelection().addRange(r);");
    settle(300);
    EXPECT_EQ(selected, QString());
    // The user's own selection is reported.
    doubleClickWord(b, "text", "selectable");
    ASSERT_TRUE(waitUntil([&] { return selected == QStringLiteral("selectable"); }));

    std::vector<int> keys;
    sink.onkeydown = [&](const DocumentEvent& e) {
        keys.push_back(e.keyCode);
        return true;
    };
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(b->pageWidget(), &a);
    EXPECT_EQ(keys, std::vector<int>({65}));
}

TEST_F(SinkTest, F5ReloadsUnlessAHandlerCancelledIt) {
    WebBrowser* b = loaded();
    DocumentSink sink;
    sink.attach(b->document());
    sink.onkeydown = [](const DocumentEvent& e) { return e.keyCode != 116; };
    auto pressF5 = [&] {
        QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
        QCoreApplication::sendEvent(b->pageWidget(), &f5);
    };
    pressF5();
    settle(200);
    EXPECT_EQ(server.requestsFor("/pages/sinks.html").size(), 1);
    sink.onkeydown = nullptr;
    const int before = downloads["b"];
    pressF5();
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > before && !b->busy(); }));
    EXPECT_EQ(server.requestsFor("/pages/sinks.html").size(), 2);
}
