// The attribute tables of the document menu: every element with a non-empty value of one attribute,
// its tag cell with dashes, values shown as text, fixed and typed attributes, unknown ones, and typed
// names that could reach outside \html\.
#include "analysis/views_fixture.h"

#include <QDirIterator>

namespace {

class AttributeTablesTest : public ViewsTest {
protected:
    void SetUp() override {
        ViewsTest::SetUp();
        storeText(forms::Txt::Yuyan, "表格头", "<table id=t>");
        storeText(forms::Txt::Yuyan, "表格尾", "</table>");
    }
    int openFixture() {
        return openOn("<title>t</title>",
                      "<a id=\"a1\" href=\"index.html\">1</a><a name=\"n\">2</a><map><area href=\"\"></map>"
                      "<abcdefghijk href=\"eleven\">3</abcdefghijk><abcdefghij href=\"ten\">4</abcdefghij>"
                      "<img src=\"data:,\" title=\"&lt;b onclick=&quot;x()&quot;&gt;bold&lt;/b&gt;\">"
                      "<p id=\"p\" ..\\..\\x=\"1\">段落</p>");
    }
    void table(int k, int item) { choose(k, "CS100", item, "p"); }
    // Every file of the program folder, its path relative to the folder.
    QStringList files() {
        QStringList out;
        QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) out << QDir(folder.path()).relativeFilePath(it.next());
        out.sort();
        return out;
    }
};

TEST_F(AttributeTablesTest, TheHrefTable) {
    rt::setRandomSequence({0.5f});
    const int k = openFixture();
    table(k, 1);
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
    // a, the eleven-letter element (a number, no row) and the ten-letter one; the empty href and the
    // anchor without one do not count.
    const QString name = "href(3) - 0.5.html";
    const QStringList lines = viewText(name).split("\r\n");
    ASSERT_EQ(lines.size(), 8) << viewText(name).toStdString();
    EXPECT_EQ(lines[1], "<div style=font-size:17px>");
    EXPECT_EQ(lines[2], "<table id=t>");
    EXPECT_EQ(lines[3], "<tr> <td width=1%>1</td> <td width=9%>&lt;A&gt;---------></td> <td>href=index.html</td> </tr>");
    EXPECT_EQ(lines[4], "<tr> <td width=1%>3</td> <td width=9%>&lt;ABCDEFGHIJ&gt;></td> <td>href=ten</td> </tr>");
    EXPECT_EQ(lines[5], "</table>");
    EXPECT_EQ(lines[6], "</div>");
    EXPECT_EQ(source()->caption(), name);
}

TEST_F(AttributeTablesTest, ValuesWithMarkupShowAsText) {
    rt::setRandomSequence({0.5f});
    const int k = openFixture();
    table(k, 5);
    const QStringList lines = viewText("title(1) - 0.5.html").split("\r\n");
    ASSERT_EQ(lines.size(), 7) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[3], "<tr> <td width=1%>1</td> <td width=9%>&lt;IMG&gt;-------></td> <td>title=&lt;b onclick=\"x()\"&gt;bold&lt;/b&gt;</td> </tr>");
    Form11* w = source();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(shown(*w));
    const web::Document v = w->WebBrowser1.document();
    EXPECT_EQ(v.getElementsByTagName("b").size(), 0);
    EXPECT_TRUE(v.body().innerText().contains("title=<b onclick=\"x()\">bold</b>")) << v.body().innerText().toStdString();
}

TEST_F(AttributeTablesTest, TypedAndUnknownAttributes) {
    struct Case {
        int item;
        const char* typed;    // for item 11
        const char* message;  // "" when a table is written
        const char* view;
    };
    const Case cases[] = {
        {11, "HREF", "", "href(3) - 0.5.html"},
        {11, "", "", nullptr},
        {11, "nosuch", "网页中没有<nosuch>属性", nullptr},
        {3, nullptr, "", "id(2) - 0.5.html"},
        {10, nullptr, "网页中没有<onclick>属性", nullptr},
        // The page carries this attribute: it still writes nothing, inside or outside \html\.
        {11, "..\\..\\x", "网页中没有<..\\..\\x>属性", nullptr},
        {11, "../x", "网页中没有<../x>属性", nullptr},
        {11, "a/b", "网页中没有<a/b>属性", nullptr},
        {11, "a\\b", "网页中没有<a\\b>属性", nullptr},
    };
    const int k = openFixture();
    ASSERT_EQ(doc(k).getElementById("p").getAttribute("..\\..\\x"), "1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : std::to_string(c.item).c_str());
        rt::setRandomSequence({0.5f});
        QDir(folder.path() + "/html").removeRecursively();
        QDir(folder.path()).mkpath("html");
        const QStringList before = files();
        services.clearRecords();
        if (c.typed) services.queueInput(c.typed);
        table(k, c.item);
        if (c.typed) {
            const std::vector<ShownBox> inputs = services.boxes(ShownBox::Input);
            ASSERT_EQ(inputs.size(), 1u);
            EXPECT_EQ(inputs[0].prompt, "href,src,title.id.name..");
            EXPECT_EQ(inputs[0].title, "标记属性");
            EXPECT_NEAR(inputs[0].x, 19200 / 2.6, 1);
        }
        EXPECT_EQ(services.messages(), QByteArray(c.message).isEmpty() ? QStringList() : QStringList({c.message}));
        EXPECT_EQ(views(), c.view ? QStringList({c.view}) : QStringList());
        if (!c.view) {
            EXPECT_EQ(files(), before);
        }
    }
}

}  // namespace
