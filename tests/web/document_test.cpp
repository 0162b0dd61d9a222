// The document model: reading and rewriting loaded documents, handles that outlive their document,
// and the members the program needs that the engine has no direct equivalent for.
#include "web_test_util.h"
#include "support/waits.h"

#include "platform/rt/error.h"
#include "platform/web/browserpage.h"

#include <QFileInfo>
#include <QWebFrame>

using web::Document;
using web::Element;
using web::WebBrowser;

namespace {

int errorNumberOf(const std::function<void()>& statement) {
    try {
        statement();
    } catch (const rt::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

QStringList tags(const QList<Element>& elements) {
    QStringList out;
    for (const Element& e : elements) out << e.tagName();
    return out;
}

}  // namespace

TEST_F(WebTest, GbkPageReadAndRewrittenThroughTheDocumentModel) {
    WebBrowser* b = makeBrowser();
    // Without a charset line, from a file and from a server that names none.
    for (const QString& address : {pagePath("gbk.html"), server.urlText("/pages/gbk.html")}) {
        ASSERT_TRUE(load(b, address));
        Document doc = b->document();
        EXPECT_EQ(doc.title(), QStringLiteral("中文页面")) << address.toStdString();
        Element p = doc.getElementById("123");
        ASSERT_FALSE(p.isNull());
        EXPECT_EQ(p.innerText(), QStringLiteral("你好，世界"));
        p.setInnerHTML(QStringLiteral("<b>改写</b>的内容"));
        EXPECT_EQ(p.innerText(), QStringLiteral("改写的内容"));
        EXPECT_EQ(p.outerHTML(), QStringLiteral("<p id=\"123\"><b>改写</b>的内容</p>"));
        doc.getElementById("box").setOuterHTML(QStringLiteral("<span id=\"new\">新的</span>"));
        EXPECT_TRUE(doc.getElementById("box").isNull());
        EXPECT_EQ(doc.getElementById("new").innerText(), QStringLiteral("新的"));
        EXPECT_EQ(doc.body().innerHTML().contains(QStringLiteral("新的")), true);
    }
}

TEST_F(WebTest, APageTheEngineLoadsBeforeAnyNavigationIsReadAsGbk) {
    // The default text encoding goes in with the first navigation's request or at the first turn of
    // the event loop: a page that a script asks for, in a process that never navigated, reads as GBK.
    WebBrowser* b = makeBrowser();
    const int before = downloads["b"];
    b->page()->mainFrame()->evaluateJavaScript(QStringLiteral("location.href = '%1'").arg(server.urlText("/pages/gbk.html")));
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > before && !b->busy(); }));
    EXPECT_EQ(b->document().title(), QStringLiteral("中文页面"));
    EXPECT_EQ(b->document().getElementById("123").innerText(), QStringLiteral("你好，世界"));
}

TEST_F(WebTest, ElementCollectionsInDocumentOrder) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, pagePath("gbk.html")));
    Document doc = b->document();
    EXPECT_EQ(tags(doc.all()), QStringList({"HTML", "HEAD", "TITLE", "BODY", "P", "DIV", "SCRIPT", "SCRIPT"}));
    EXPECT_EQ(tags(doc.getElementsByTagName("*")), tags(doc.all()));
    EXPECT_EQ(doc.getElementsByTagName("SCRIPT").size(), 2);
    EXPECT_EQ(doc.scriptCount(), 2);
    EXPECT_EQ(doc.frameCount(), 0);
    EXPECT_EQ(tags(doc.body().children()), QStringList({"P", "DIV", "SCRIPT", "SCRIPT"}));
    EXPECT_EQ(tags(doc.documentElement().all()), tags(doc.all().mid(1)));
    EXPECT_EQ(doc.body().allCount(), 4);
    EXPECT_EQ(doc.documentElement().allCount(), doc.all().size() - 1);
    EXPECT_EQ(doc.head().tagName(), QStringLiteral("HEAD"));
    EXPECT_EQ(doc.getElementById("123").parentElement(), doc.body());
    // Names that are no tag name and ids that are no selector find nothing and raise nothing.
    EXPECT_TRUE(doc.getElementsByTagName("p,div").isEmpty());
    EXPECT_TRUE(doc.getElementById("a\"b]").isNull());
    EXPECT_TRUE(doc.getElementById("").isNull());
    EXPECT_TRUE(doc.querySelectorAll("#123").isEmpty());
}

TEST_F(WebTest, ScriptsReplacedWhileTheCollectionShrinks) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, pagePath("gbk.html")));
    Document doc = b->document();
    int n = 0;
    for (Element script : doc.getElementsByTagName("script")) {
        script.setOuterHTML(QStringLiteral("<font color=#FF0000>脚本%1></font>").arg(++n));
    }
    EXPECT_EQ(doc.scriptCount(), 0);
    EXPECT_TRUE(doc.body().innerText().contains(QStringLiteral("脚本1>")));
    EXPECT_TRUE(doc.body().innerText().contains(QStringLiteral("脚本2>")));
}

TEST_F(WebTest, StaleHandlesFailLikeMissingObjects) {
    WebBrowser* b = makeBrowser();
    EXPECT_EQ(errorNumberOf([&] { b->document().url(); }), rt::ObjectVariableNotSet) << "nothing loaded yet";
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    Document old = b->document();
    Element arrived = old.getElementById("arrived");
    EXPECT_TRUE(old.isValid());
    ASSERT_TRUE(load(b, server.urlText("/pages/links.html")));
    EXPECT_FALSE(old.isValid());
    EXPECT_FALSE(arrived.isValid());
    EXPECT_EQ(errorNumberOf([&] { old.title(); }), rt::ObjectVariableNotSet);
    EXPECT_EQ(errorNumberOf([&] { arrived.innerText(); }), rt::ObjectRequired);
    EXPECT_EQ(errorNumberOf([&] { Element().id(); }), rt::ObjectRequired);
    EXPECT_EQ(errorNumberOf([&] { Document().body(); }), rt::ObjectVariableNotSet);
    EXPECT_TRUE(b->document().isValid());
    EXPECT_EQ(b->document(), Document::fromFrame(b->document().frame()));
    // A browser that is gone leaves handles that fail the same way.
    Document last = b->document();
    browsers.clear();
    settle(50);
    EXPECT_EQ(errorNumberOf([&] { last.url(); }), rt::ObjectVariableNotSet);
}

TEST_F(WebTest, CreateInsertAndRemoveElements) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    Document doc = b->document();
    Element input = doc.createElement("input");
    input.setId("input_x");
    input.setAttribute("type", "button");
    input.setStyleCssText("z-index:99999;width:700px;height:33px;position:fixed");
    doc.body().appendChild(input);
    Element label = doc.createElement("label");
    label.setId("Tavrolinid");
    label.setInnerText(QStringLiteral("加载完成.. <b>不是标记</b>"));
    doc.body().appendChild(label);
    EXPECT_EQ(doc.getElementById("input_x"), input);
    EXPECT_EQ(doc.getElementById("Tavrolinid").innerText(), QStringLiteral("加载完成.. <b>不是标记</b>"));
    EXPECT_TRUE(label.getElementsByTagName("b").isEmpty());
    EXPECT_EQ(input.offsetWidth(), 700);
    EXPECT_EQ(input.boundingClientRect().height(), 33);

    struct Case {
        const char* where;
        const char* id;
    };
    for (const Case& c : std::vector<Case>{{"beforeBegin", "bb"}, {"afterBegin", "ab"}, {"beforeEnd", "be"}, {"AFTEREND", "ae"}}) {
        doc.getElementById("arrived").insertAdjacentHTML(c.where, QStringLiteral("<i id=\"%1\"></i>").arg(c.id));
    }
    Element arrived = doc.getElementById("arrived");
    EXPECT_EQ(arrived.children().first().id(), QStringLiteral("ab"));
    EXPECT_EQ(arrived.children().last().id(), QStringLiteral("be"));
    QStringList bodyIds;
    for (const Element& e : doc.body().children()) bodyIds << e.id();
    EXPECT_EQ(bodyIds.mid(0, 3), QStringList({"bb", "arrived", "ae"}));
    EXPECT_EQ(errorNumberOf([&] { arrived.insertAdjacentHTML("middle", "<i></i>"); }), rt::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([&] { doc.createElement("not a tag"); }), rt::InvalidProcedureCall);

    // The overlay's style element: a sheet text of its own that applies to the page.
    Element style = doc.createElement("style");
    style.setId("fgs_style");
    style.setStyleSheetText("label { position: fixed; left: 3px; }");
    doc.body().appendChild(style);
    EXPECT_EQ(style.styleSheetText(), QStringLiteral("label { position: fixed; left: 3px; }"));
    EXPECT_TRUE(doc.styleSheetsText().contains("label"));
    EXPECT_EQ(doc.allItem("fgs_style"), style);
    EXPECT_TRUE(doc.allItem("nothing").isNull());

    doc.body().removeChild(input);
    EXPECT_TRUE(doc.getElementById("input_x").isNull());
    EXPECT_EQ(errorNumberOf([&] { doc.body().removeChild(doc.getElementById("ab")); }), rt::InvalidProcedureCall)
        << "not a child of the body";
    doc.getElementById("ab").remove();
    EXPECT_TRUE(doc.getElementById("ab").isNull());
}

TEST_F(WebTest, FormValuesGoThroughEscaped) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/form.html")));
    Document doc = b->document();
    EXPECT_EQ(doc.getElementById("name").value(), QStringLiteral("初始"));
    const QStringList values = {QStringLiteral("引号\"和'单引号"), QStringLiteral("反斜杠\\n不是换行"),
                                QStringLiteral("</script><script>alert(1)</script>"),
                                QStringLiteral("两\n行"), QString(QChar(0x2028)) + "x"};
    for (const QString& v : values) {
        doc.getElementById("memo").setValue(v);
        EXPECT_EQ(doc.getElementById("memo").value(), v);
    }
    doc.getElementById("choice").setValue("b");
    EXPECT_EQ(doc.getElementById("choice").value(), QStringLiteral("b"));
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(WebTest, AttributesStylesAndAddresses) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/links.html")));
    Document doc = b->document();
    Element blank = doc.getElementById("blank");
    EXPECT_EQ(blank.href(), QStringLiteral("target.html"));
    EXPECT_EQ(blank.hrefResolved(), server.urlText("/pages/target.html"));
    // A backslash reads as "/", as the engine reads it.
    doc.getElementById("self").setHref("sub\\t.html");
    EXPECT_EQ(doc.getElementById("self").hrefResolved(), server.urlText("/pages/sub/t.html"));
    EXPECT_EQ(doc.evaluate("document.getElementById('self').href"), server.urlText("/pages/sub/t.html"));
    EXPECT_EQ(blank.target(), QStringLiteral("_blank"));
    EXPECT_EQ(doc.getElementById("self").target(), QString());
    doc.getElementById("self").setTarget("_blank");
    EXPECT_EQ(doc.getElementById("self").getAttribute("target"), QStringLiteral("_blank"));
    EXPECT_TRUE(blank.hasAttribute("href"));
    blank.removeAttribute("href");
    EXPECT_FALSE(blank.hasAttribute("href"));
    EXPECT_EQ(blank.hrefResolved(), QString());
    EXPECT_TRUE(blank.attributeNames().contains("target"));

    blank.setStyleProperty("visibility", "hidden");
    blank.setStyleProperty("zoom", "2");
    EXPECT_EQ(blank.styleProperty("visibility"), QStringLiteral("hidden"));
    EXPECT_TRUE(blank.styleCssText().contains("visibility: hidden"));
    blank.setStyleProperty("visibility", "");
    EXPECT_EQ(blank.styleProperty("visibility"), QString());
    doc.body().setStyleProperty("border", "none");
    EXPECT_TRUE(doc.body().styleCssText().contains("border"));
    EXPECT_EQ(blank.tagName(), QStringLiteral("A"));
}

TEST_F(WebTest, FramesAreChildDocuments) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/frames.html")));
    Document doc = b->document();
    ASSERT_EQ(doc.frameCount(), 1);
    Document child = doc.frames().at(0);
    EXPECT_EQ(child.url(), server.urlText("/pages/frame_child.html"));
    EXPECT_EQ(child.title(), QStringLiteral("子框架"));
    EXPECT_EQ(child.getElementById("child").innerText(), QStringLiteral("子文档"));
    EXPECT_TRUE(doc.getElementById("child").isNull());
    EXPECT_EQ(child.browser(), b);
    EXPECT_NE(child, doc);
    doc.getElementsByTagName("iframe").at(0).setOuterHTML(QStringLiteral("<font>框架1></font>"));
    EXPECT_EQ(doc.frameCount(), 0);
    EXPECT_FALSE(child.isValid());
}

TEST_F(WebTest, SelectionActiveElementScrollAndStyles) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/sinks.html")));
    Document doc = b->document();
    EXPECT_EQ(doc.selectionText(), QString());
    EXPECT_EQ(doc.activeElement(), doc.body());
    doc.evaluate("var r=document.createRange();r.selectNodeContents(document.getElementById('link'));"
                 "window.getSelection().addRange(r);");
    EXPECT_EQ(doc.selectionText(), QStringLiteral("链接"));
    doc.getElementById("link").focus();
    EXPECT_EQ(doc.activeElement().id(), QStringLiteral("link"));
    doc.scrollTo(0, 99990);
    EXPECT_GT(doc.scrollPosition().y(), 1000);
    EXPECT_LT(doc.scrollPosition().y(), 99990);
    doc.scrollTo(0, 0);
    EXPECT_EQ(doc.scrollPosition(), QPoint(0, 0));
    doc.head().insertAdjacentHTML("beforeEnd", "<style>#text { color: red; }</style>");
    EXPECT_TRUE(doc.styleSheetsText().contains("#text"));
    EXPECT_TRUE(doc.event().isNull()) << "no event outside a dispatch";
    EXPECT_EQ(doc.characterSet().toUpper(), QStringLiteral("UTF-8"));
    doc.setTitle(QStringLiteral("新标题"));
    EXPECT_EQ(doc.title(), QStringLiteral("新标题"));
}

TEST_F(WebTest, FileSizesOfDocumentsAndPictures) {
    WebBrowser* b = makeBrowser();
    const qint64 picture = QFileInfo(pagePath("picture.png")).size();
    for (const QString& address : {server.urlText("/pages/picture.html"), pagePath("picture.html")}) {
        ASSERT_TRUE(load(b, address));
        Document doc = b->document();
        EXPECT_EQ(doc.fileSize(), QFileInfo(pagePath("picture.html")).size()) << address.toStdString();
        // The host of a web document; a local file has none.
        EXPECT_EQ(doc.domain(), address.startsWith("http") ? QStringLiteral("127.0.0.1") : QString())
            << address.toStdString();
        Element img = doc.getElementsByTagName("img").at(0);
        ASSERT_TRUE(waitUntil([&] { return img.fileSize() >= 0; }));
        EXPECT_EQ(img.fileSize(), picture);
        EXPECT_EQ(doc.getElementById("missing").fileSize(), -1);
    }
    // A picture shown alone is its own document.
    ASSERT_TRUE(load(b, server.urlText("/pages/picture.png")));
    EXPECT_EQ(b->document().fileSize(), picture);
    Element img = b->document().getElementsByTagName("img").value(0);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.fileSize(), picture);
    EXPECT_EQ(img.offsetWidth(), 40);
}

TEST_F(WebTest, LocalPicturesAsDataAddressesShowInHttpPages) {
    WebBrowser* b = makeBrowser();
    const QString data = web::localPictureUrl(pagePath("picture.png"));
    ASSERT_TRUE(data.startsWith("data:image/png;base64,"));
    EXPECT_EQ(web::localPictureUrl(pagePath("no-such-picture.png")), QString());
    server.addPage("/with-local", "<html><body><img id=a><img id=b></body></html>");
    ASSERT_TRUE(load(b, server.urlText("/with-local")));
    Document doc = b->document();
    doc.getElementById("a").setSrc(data);
    doc.getElementById("b").setSrc(QUrl::fromLocalFile(pagePath("picture.png")).toString());
    ASSERT_TRUE(waitUntil([&] { return doc.evaluate("String(document.getElementById('a').naturalWidth)") == "40"; }));
    EXPECT_EQ(doc.evaluate("String(document.getElementById('b').naturalWidth)"), QStringLiteral("0"))
        << "the engine refuses local files in http pages";
    EXPECT_EQ(doc.getElementById("a").fileSize(), QFileInfo(pagePath("picture.png")).size());
}

// A page the engine shows from its cache (the server answers its revalidation with 304 Not Modified
// and no body) keeps the size it had when it arrived: an empty revalidation reply is no document of
// 0 bytes.
TEST_F(WebTest, RevalidatedPageKeepsItsSize) {
    WebBrowser* b = makeBrowser();
    const QByteArray html = "<html><head><title>kept</title></head><body><p>a page kept by the cache</p></body></html>";
    TestHttpServer::Response fresh;
    fresh.headers = {{"Content-Type", "text/html"}, {"Last-Modified", "Mon, 07 Dec 2026 10:00:00 GMT"},
                     {"Cache-Control", "max-age=0"}};
    fresh.body = html;
    server.addRoute("/kept", fresh);
    ASSERT_TRUE(load(b, server.urlText("/kept")));
    EXPECT_EQ(b->document().fileSize(), html.size());

    TestHttpServer::Response notModified;
    notModified.status = 304;
    notModified.headers = {{"Last-Modified", "Mon, 07 Dec 2026 10:00:00 GMT"}};
    server.addRoute("/kept", notModified);
    server.clearRequests();
    ASSERT_TRUE(load(b, server.urlText("/kept")));
    ASSERT_FALSE(server.requestsFor("/kept").isEmpty());
    ASSERT_TRUE(server.requestsFor("/kept")[0].hasHeader("if-modified-since")) << "the engine revalidated";
    EXPECT_EQ(b->document().title(), QStringLiteral("kept"));
    EXPECT_EQ(b->document().fileSize(), html.size());
}
