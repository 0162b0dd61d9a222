// The tag views of the document menu: the tag tables (fixed and typed tags, the table page with its
// head, tail and alternating row colours), the focused-element view and the hiding of an element.
#include "analysis/views_fixture.h"

#include "forms/form4.h"

namespace {

class TagViewsTest : public ViewsTest {
protected:
    void SetUp() override {
        ViewsTest::SetUp();
        storeText(forms::Txt::Yuyan, "表格头", "<table id=t>");
        storeText(forms::Txt::Yuyan, "表格尾", "</table>");
        storeText(forms::Txt::Yuyan, "背景色1", "#EEEEEE");
        storeText(forms::Txt::Yuyan, "背景色2", "#FFFFFF");
    }
    // Five pictures (one with markup and an entity in its alt), a paragraph, an input and a center.
    int openFixture() {
        return openOn("<title>t</title>",
                      "<img id=\"i1\" alt=\"a&amp;b\"><img id=\"i2\" alt=\"&lt;b&gt;bold&lt;/b&gt;\"><img id=\"i3\">"
                      "<img id=\"i4\"><img id=\"i5\"><p id=\"p\">段落 12</p><input id=\"in\" value=\"v7\">"
                      "<center id=\"c\">中</center>");
    }
    void tagView(int k, int item, const QString& on = "p") { choose(k, "BJYM100", item, on); }
};

TEST_F(TagViewsTest, ATagTableListsEveryElementOnAlternatingColours) {
    rt::setRandomSequence({0.5f});
    const int k = openFixture();
    tagView(k, 3);
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
    const QString name = "img(5) - 0.5.html";
    const QStringList lines = viewText(name).split("\r\n");
    ASSERT_EQ(lines.size(), 11) << viewText(name).toStdString();
    EXPECT_EQ(lines[0], "<meta http-equiv=X-UA-Compatible content=IE=Edge>");
    EXPECT_EQ(lines[1], "<div style=\"font-size:18px;font-family:'Noto Sans CJK SC'\">");
    EXPECT_EQ(lines[2], "<table id=t>");
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        const QString row = lines[2 + n];
        EXPECT_TRUE(row.startsWith(QStringLiteral("<tr> <td width=1%>%1</td> <td bgcolor=%2>&lt;img ")
                                       .arg(n)
                                       .arg(n % 2 ? "#EEEEEE" : "#FFFFFF")))
            << row.toStdString();
        EXPECT_TRUE(row.contains(QStringLiteral("id=\"i%1\"").arg(n))) << "document order";
        EXPECT_TRUE(row.endsWith("&gt;</td> </tr>")) << row.toStdString();
    }
    EXPECT_EQ(lines[8], "</table>");
    EXPECT_EQ(lines[9], "</div>");
    EXPECT_EQ(lines[10], "");
    // Shown: the source of the pictures as text, the entity as the character it stands for.
    Form11* w = source();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), name);
    ASSERT_TRUE(shown(*w));
    const web::Document v = w->WebBrowser1.document();
    EXPECT_EQ(v.getElementsByTagName("img").size(), 0);
    EXPECT_EQ(v.getElementsByTagName("b").size(), 0);
    EXPECT_EQ(v.getElementsByTagName("tr").size(), 5);
    const QString text = v.body().innerText();
    EXPECT_TRUE(text.contains("alt=\"a&b\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("<img id=\"i5\">")) << text.toStdString();
}

TEST_F(TagViewsTest, EveryClickDrawsItsNumberFirstAndItem1KeepsA) {
    // The refused click takes 0.25, so the next view gets 0.75.
    rt::setRandomSequence({0.25f, 0.75f, 0.125f});
    const int k = openFixture();
    tagView(k, 1);
    EXPECT_EQ(services.messages(), QStringList({"网页中没有<A>标记"}));
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);
    EXPECT_TRUE(views().isEmpty());
    tagView(k, 3);
    EXPECT_EQ(views(), QStringList({"img(5) - 0.75.html"}));
    // With links, item 1 names its table A.
    doc(k).body().insertAdjacentHTML("beforeEnd", "<a href=\"/x\">x</a><a name=\"y\">y</a>");
    tagView(k, 1);
    EXPECT_TRUE(views().contains("A(2) - 0.125.html")) << views().join('|').toStdString();
}

TEST_F(TagViewsTest, TypedTags) {
    struct Case {
        const char* typed;
        const char* message;  // "" when a table is written
        const char* view;
    };
    const Case cases[] = {
        {"Img", "", "IMG(5) - 0.5.html"},
        {"", "", nullptr},
        {"nosuch", "网页中没有<NOSUCH>标记", nullptr},
        {"a,img", "网页中没有<A,IMG>标记", nullptr},
        {"*", "网页中没有<*>标记", nullptr},
        {"../img", "网页中没有<../IMG>标记", nullptr},
        {"..\\..\\img", "网页中没有<..\\..\\IMG>标记", nullptr},
        {"img/", "网页中没有<IMG/>标记", nullptr},
    };
    const int k = openFixture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        rt::setRandomSequence({0.5f});
        QDir(folder.path() + "/html").removeRecursively();
        QDir(folder.path()).mkpath("html");
        services.clearRecords();
        services.queueInput(c.typed);
        tagView(k, 11);
        const std::vector<ShownBox> inputs = services.boxes(ShownBox::Input);
        ASSERT_EQ(inputs.size(), 1u);
        EXPECT_EQ(inputs[0].prompt, "a,img,input..");
        EXPECT_EQ(inputs[0].title, "标记");
        EXPECT_EQ(inputs[0].defaultText, "");
        EXPECT_NEAR(inputs[0].x, 19200 / 2.6, 1);
        EXPECT_NEAR(inputs[0].y, 6000, 1);
        EXPECT_EQ(services.messages(), QByteArray(c.message).isEmpty() ? QStringList() : QStringList({c.message}));
        EXPECT_EQ(views(), c.view ? QStringList({c.view}) : QStringList());
        if (c.view) {
            EXPECT_EQ(source()->caption(), c.view);
        }
    }
    // Nothing was written beside the folder.
    EXPECT_FALSE(QFile::exists(folder.path() + "/IMG(5) - 0.5.html"));
}

TEST_F(TagViewsTest, TheFocusedElementView) {
    storeText(forms::Txt::Yuyan, "颜色名称1", "c0>c1>c2>c3>c4>c5>c6>c7>c8>c9");
    storeText(forms::Txt::Yuyan, "颜色名称2", "e0>e1>e2>e3>e4>e5>e6>e7>e8");
    storeText(forms::Txt::Yuyan, "iscript", "value>last");
    rt::setRandomSequence({0.5f});
    const int k = openFixture();
    doc(k).getElementById("in").focus();
    tagView(k, 0, "in");
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
    const QStringList lines = viewText("shubiao - 0.5.html").split("\r\n");
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1], "<div style=\"font-size:18px;font-family:'Noto Sans CJK SC'\">");
    // Line-break escaped, digits and attribute names coloured, no keyword pass.
    EXPECT_EQ(lines[2], "<br>&lt;input <font color=e0>id=</font>\"in\" <font color=e3>value=</font>\"v<font color=c7>7</font>\"&gt;");
    EXPECT_EQ(lines[3], "</div>");
    EXPECT_EQ(source()->caption(), "shubiao - 0.5.html");
}

TEST_F(TagViewsTest, TheFocusedElementViewsLimitAndRefusals) {
    const int k = openOn("", "<input id=\"in\" value=\"\"><p id=\"p\" style=\"height:300px\">x</p>");
    const web::Element input = doc(k).getElementById("in");
    for (int length : {9998, 9999}) {
        SCOPED_TRACE(length);
        services.clearRecords();
        input.setAttribute("value", QString(length - input.outerHTML().size() + input.getAttribute("value").size(), 'x'));
        ASSERT_EQ(input.outerHTML().size(), length);
        input.focus();
        rt::setRandomSequence({length == 9998 ? 0.5f : 0.25f});
        tagView(k, 0, "in");
        if (length == 9998) {
            EXPECT_TRUE(services.messages().isEmpty());
            EXPECT_TRUE(views().contains("shubiao - 0.5.html"));
        } else {
            EXPECT_EQ(services.messages(), QStringList({"这里源码字节超过9999，不能打开。"}));
            EXPECT_FALSE(views().contains("shubiao - 0.25.html"));
        }
    }
    // On the page background, the body, the view is refused however small the focused element is.
    input.setAttribute("value", "1");
    input.focus();
    services.clearRecords();
    doc(k).body().setStyleProperty("height", "800px");
    const QRect p = doc(k).getElementById("p").boundingClientRect();
    services.queuePopupChoice("BJYM100", 0);
    rightClickAt(k, QPoint(p.center().x(), p.bottom() + 40));
    EXPECT_EQ(services.messages(), QStringList({"此处不可以获取"}));
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);
}

TEST_F(TagViewsTest, Hiding) {
    const int k = openFixture();
    tagView(k, 12, "i2");
    EXPECT_EQ(services.messages(), QStringList({"本次隐藏了<IMG>标记"}));
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbExclamation);
    EXPECT_EQ(doc(k).getElementById("i2").styleProperty("visibility"), "hidden");
    EXPECT_EQ(doc(k).getElementById("i1").styleProperty("visibility"), "");
    // Refused on a center element and on the body.
    services.clearRecords();
    tagView(k, 12, "c");
    EXPECT_EQ(doc(k).getElementById("c").styleProperty("visibility"), "");
    doc(k).body().setStyleProperty("height", "800px");
    services.queuePopupChoice("BJYM100", 12);
    rightClickAt(k, QPoint(view(k)->width() / 2, centre(k, "c").y() + 60));
    EXPECT_EQ(services.messages(), QStringList({"此处不可以隐藏", "此处不可以隐藏"}));
    EXPECT_EQ(doc(k).body().styleProperty("visibility"), "");
    // The html element is hidden (a right click in the page's margin).
    services.clearRecords();
    services.queuePopupChoice("BJYM100", 12);
    rightClickAt(k, QPoint(2, 2));
    EXPECT_EQ(services.messages(), QStringList({"本次隐藏了<HTML>标记"}));
    EXPECT_EQ(doc(k).documentElement().styleProperty("visibility"), "hidden");
}

}  // namespace
