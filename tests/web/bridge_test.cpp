// What page scripts can do to the program's listeners: find nothing to call, forge no event that reaches
// a sink, change nothing of what a sink reads, and leave the program's element lookups working. The
// pages are served by the loopback server, as pages of the network are.
#include "web_test_util.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

using web::Document;
using web::DocumentEvent;
using web::DocumentSink;
using web::WebBrowser;

namespace {

const std::string kNothingFound = "{\"found\":[],\"calls\":[]}";

// A sink that records every event it gets ("type id") and cancels it.
struct RecordingSink {
    DocumentSink sink;
    QStringList seen;
    std::vector<DocumentEvent> events;

    explicit RecordingSink(const Document& doc) {
        for (DocumentSink::Handler* handler :
             {&sink.onclick, &sink.ondblclick, &sink.onkeydown, &sink.onmousedown, &sink.onmouseover, &sink.onmousemove,
              &sink.oncontextmenu, &sink.ondragstart, &sink.onselectstart, &sink.onselectionchange,
              &sink.onmousewheel}) {
            *handler = [this](const DocumentEvent& e) {
                seen << e.type + " " + e.srcElement.id();
                events.push_back(e);
                return false;
            };
        }
        sink.attach(doc);
    }
    QStringList ofType(const QString& type) const {
        QStringList out;
        for (const QString& s : seen)
            if (s.startsWith(type + " ")) out << s;
        return out;
    }
};

}  // namespace

class PageScriptTest : public WebTest {
protected:
    WebBrowser* loadHostile() {
        WebBrowser* b = makeBrowser();
        EXPECT_TRUE(load(b, server.urlText("/pages/hostile.html")));
        EXPECT_EQ(b->document().frameCount(), 1);
        return b;
    }

    // The document of each frame of the hostile page with the view point of its offset.
    struct Place {
        const char* name;
        Document doc;
        QPoint offset;
    };
    std::vector<Place> places(WebBrowser* b) {
        Document top = b->document();
        const QPoint inner = top.getElementById("inner").boundingClientRect().topLeft();
        return {{"top document", top, QPoint()}, {"child frame", top.frames().at(0), inner}};
    }

    QPoint centerOf(const Place& p, const QString& id) {
        return p.offset + p.doc.getElementById(id).boundingClientRect().center();
    }
};

TEST_F(PageScriptTest, APageFindsNothingToCall) {
    WebBrowser* b = loadHostile();
    for (const Place& p : places(b)) {
        SCOPED_TRACE(p.name);
        RecordingSink recorder(p.doc);
        // The program's own lookups have run in the frame too.
        EXPECT_FALSE(p.doc.activeElement().isNull());
        EXPECT_EQ(p.doc.createElement("span").tagName(), QStringLiteral("SPAN"));
        for (const char* when : {"early", "atLoad", "probe()"}) {
            SCOPED_TRACE(when);
            EXPECT_EQ(p.doc.evaluate(when).toStdString(), kNothingFound);
        }
        EXPECT_TRUE(recorder.seen.isEmpty()) << recorder.seen.join(", ").toStdString();
    }
}

TEST_F(PageScriptTest, ForgedEventsReachTheirPageButNoSink) {
    WebBrowser* b = loadHostile();
    for (const Place& p : places(b)) {
        SCOPED_TRACE(p.name);
        RecordingSink recorder(p.doc);
        services.clearRecords();
        const QString results = p.doc.evaluate("forge()");
        // Each sink handler cancels what it gets: every forged event went on uncancelled.
        EXPECT_FALSE(results.contains(":false")) << results.toStdString();
        EXPECT_TRUE(recorder.seen.isEmpty()) << recorder.seen.join(", ").toStdString();
        EXPECT_TRUE(services.popups().empty());
        const QString got = p.doc.evaluate("got.join(' ')");
        for (const char* type : {"mousedown", "click", "keydown", "contextmenu", "mousemove", "mouseover",
                                 "dblclick", "dragstart", "selectstart", "mousewheel", "selectionchange"})
            EXPECT_TRUE(got.split(' ').contains(QString::fromLatin1(type))) << type << ": " << got.toStdString();
    }
    settle(100);
    EXPECT_EQ(server.requestsFor("/pages/hostile.html").size(), 1) << "a forged F5 reloads nothing";
}

TEST_F(PageScriptTest, RealInputReachesTheSinkWithItsElement) {
    struct Input {
        const char* type;
        std::function<void(QWidget* view, QPoint at)> make;
    };
    const std::vector<Input> inputs = {
        {"click", [](QWidget* view, QPoint at) { clickAt(view, at); }},
        {"mousedown", [](QWidget* view, QPoint at) { clickAt(view, at); }},
        {"contextmenu",
         [](QWidget* view, QPoint at) {
             QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
             QCoreApplication::sendEvent(view, &event);
         }},
        {"mousemove",
         [](QWidget* view, QPoint at) { mouse(view, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }},
    };
    WebBrowser* b = loadHostile();
    QWidget* view = b->pageWidget();
    for (const Place& p : places(b)) {
        SCOPED_TRACE(p.name);
        for (const Input& input : inputs) {
            SCOPED_TRACE(input.type);
            RecordingSink recorder(p.doc);
            services.clearRecords();
            p.doc.evaluate("got=[]");
            const QPoint at = centerOf(p, "target");
            input.make(view, at);
            const QStringList seen = recorder.ofType(input.type);
            ASSERT_EQ(seen.size(), 1) << recorder.seen.join(", ").toStdString();
            EXPECT_EQ(seen.first().toStdString(), std::string(input.type) + " target");
            const DocumentEvent& e = *std::find_if(recorder.events.begin(), recorder.events.end(),
                                                   [&](const DocumentEvent& ev) { return ev.type == input.type; });
            EXPECT_EQ(e.srcElement.document(), p.doc);
            EXPECT_EQ(QPoint(e.clientX, e.clientY), at - p.offset);
            EXPECT_TRUE(p.doc.evaluate("got.join(' ')").split(' ').contains(QString::fromLatin1(input.type)));
            EXPECT_TRUE(services.popups().empty()) << "the sink cancelled the menu";
        }
        // A real F5 in the frame: the sink gets it and its refusal keeps the page.
        RecordingSink recorder(p.doc);
        clickAt(view, centerOf(p, "target"));
        QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &f5);
        ASSERT_EQ(recorder.ofType("keydown").size(), 1) << recorder.seen.join(", ").toStdString();
        EXPECT_EQ(recorder.events.back().keyCode, 116);
    }
    settle(100);
    EXPECT_EQ(server.requestsFor("/pages/hostile.html").size(), 1);
}

TEST_F(PageScriptTest, ReplacedEventAccessorsChangeNothingTheSinkReads) {
    WebBrowser* b = loadHostile();
    QWidget* view = b->pageWidget();
    for (const Place& p : places(b)) {
        SCOPED_TRACE(p.name);
        p.doc.evaluate("tamper()");
        ASSERT_EQ(p.doc.evaluate("String(new MouseEvent('click').clientX)"), QStringLiteral("777"));
        RecordingSink recorder(p.doc);
        services.clearRecords();
        const QPoint at = centerOf(p, "target");
        clickAt(view, at);
        ASSERT_EQ(recorder.ofType("click").join(", ").toStdString(), "click target");
        EXPECT_EQ(QPoint(recorder.events.back().clientX, recorder.events.back().clientY), at - p.offset);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
        QCoreApplication::sendEvent(view, &menu);
        EXPECT_EQ(recorder.ofType("contextmenu").join(", ").toStdString(), "contextmenu target");
        EXPECT_TRUE(services.popups().empty()) << "the sink's refusal still cancels the menu";
    }
}

TEST_F(PageScriptTest, LookupsWorkOnAPageThatTakesOverNames) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/overwrite.html")));
    Document doc = b->document();
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        doc.getElementById("field").focus();
        EXPECT_EQ(doc.activeElement().id(), QStringLiteral("field"));
        const web::Element made = doc.createElement("div");
        EXPECT_EQ(made.tagName(), QStringLiteral("DIV"));
        made.setAttribute("id", QStringLiteral("made%1").arg(round));
        doc.body().appendChild(made);
        EXPECT_FALSE(doc.getElementById(QStringLiteral("made%1").arg(round)).isNull());
        settle(30);
    }
    EXPECT_EQ(doc.evaluate("JSON.stringify(stolen)").toStdString(), "[]");
    EXPECT_EQ(doc.evaluate("JSON.stringify(seen)").toStdString(), "[]");
    EXPECT_EQ(doc.evaluate("typeof takeOver"), QStringLiteral("function")) << "the page's script ran";
}
