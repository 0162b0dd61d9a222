// Form fill: the items of the document menu's fill submenu write their caption into the element the
// menu was opened on; the page background and center elements refuse; item 10 opens the fill file,
// writing its defaults only when it is missing.
#include "page_fixture.h"

#include "forms/form4.h"
#include "page/formfill.h"
#include "platform/rt/random.h"
#include "platform/sys/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

class FormFillTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        ASSERT_TRUE(startProgram());
        k = openTab();
        ASSERT_TRUE(load(k, server.urlText("/pages/formfill.html")));
        services.clearRecords();
    }
    void TearDown() override {
        rt::setRandomSequence({});
        PageTest::TearDown();
    }
    // Chooses fill item `item` with `caption` on `element`, as the document menu does: the item runs
    // while the page's context-menu event on the element is being handled.
    void fillOn(const web::Element& element, int item, const QString& caption) {
        f4().TK100(item).setCaption(caption);
        web::DocumentEvent event;
        event.type = QStringLiteral("contextmenu");
        event.srcElement = element;
        event.button = 2;
        web::enterEvent(doc(k), event);
        f4().TK100(item).click();
        web::leaveEvent();
    }
    web::Element byId(const QString& id) { return doc(k).getElementById(id); }
    web::Element first(const QString& selector) { return doc(k).querySelectorAll(selector).value(0); }

    int k = 0;
};

TEST_F(FormFillTest, WritesIntoTheClickedElementItself) {
    // The second element of the id "twin" is the field; the paragraph before it keeps its text.
    const web::Element field = doc(k).querySelectorAll("input#twin").value(0);
    fillOn(field, 1, "张三");
    EXPECT_EQ(field.value(), "张三");
    EXPECT_EQ(first("p#twin").innerText(), "前面的同名元素");

    fillOn(byId("memo"), 2, "第二行");
    EXPECT_EQ(byId("memo").value(), "第二行");

    // A list keeps its options: a text that is one of their values chooses it.
    fillOn(byId("choice"), 3, "b");
    EXPECT_EQ(byId("choice").value(), "b");
    EXPECT_EQ(count(k, "#choice option"), 2);

    fillOn(byId("plain"), 4, "新的文字");
    EXPECT_EQ(byId("plain").innerText(), "新的文字");
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(FormFillTest, AFieldWithoutAnIdGetsOneAndKeepsIt) {
    rt::setRandomSequence({0.25f});
    const web::Element field = first("input.noid");
    fillOn(field, 1, "一");
    EXPECT_EQ(field.id(), "Tavrolin0.25");
    EXPECT_EQ(field.value(), "一");
    rt::setRandomSequence({0.5f});
    fillOn(field, 2, "二");
    EXPECT_EQ(field.id(), "Tavrolin0.25");
    EXPECT_EQ(field.value(), "二");
}

TEST_F(FormFillTest, BodyAndCenterRefuse) {
    struct Case {
        const char* name;
        std::function<web::Element()> element;
    };
    const Case cases[] = {
        {"body", [&] { return doc(k).body(); }},
        {"center", [&] { return byId("c"); }},
        {"no element", [&] { return web::Element(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        services.clearRecords();
        const QString before = doc(k).body().innerHTML();
        fillOn(c.element(), 1, "不该写入");
        ASSERT_EQ(services.boxes().size(), 1u);
        EXPECT_EQ(services.boxes()[0].prompt, "此处不可以填空");
        EXPECT_TRUE(services.boxes()[0].style & ui::vbCritical);
        EXPECT_TRUE(services.boxes()[0].title.isEmpty());
        EXPECT_EQ(doc(k).body().innerHTML(), before);
    }
}

TEST_F(FormFillTest, TheFileIsWrittenWithItsDefaultsOnlyWhenMissing) {
    const QString file = FormFill::filePath();
    QFile::remove(sys::nativePath(file));
    f4().TK100(10).click();
    const QStringList written = sys::readLines(file);
    ASSERT_EQ(written.size(), 10);
    EXPECT_EQ(written[0], "[Zelvaro]");
    EXPECT_EQ(written[1], "标题1=Tavrolin");
    EXPECT_EQ(written[9], "标题9=文本9");
    // GBK with CR LF.
    QFile raw(sys::nativePath(file));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_TRUE(bytes.contains("\r\n"));
    EXPECT_TRUE(bytes.contains(QByteArray("\xb1\xea\xcc\xe2" "1=Tavrolin")));  // 标题 in GBK
    ASSERT_EQ(launcher.starts.size(), 1);
    EXPECT_TRUE(launcher.starts[0].arguments.join(' ').contains(QFileInfo(sys::nativePath(file)).fileName()));

    // The user's own texts stay.
    sys::writeLines(file, {"[Zelvaro]", "标题1=我的名字"});
    f4().TK100(10).click();
    EXPECT_EQ(sys::readLines(file), QStringList({"[Zelvaro]", "标题1=我的名字"}));
    EXPECT_EQ(launcher.starts.size(), 2);
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(FormFillTest, AFileThatCannotBeWrittenOpensNoEditor) {
    // A folder where the file should be: the file cannot be written there (whatever the rights).
    const QString file = sys::nativePath(FormFill::filePath());
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    f4().TK100(10).click();
    EXPECT_TRUE(QFileInfo(file).isDir());
    EXPECT_TRUE(launcher.starts.isEmpty());
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_TRUE(services.messages()[0].startsWith("无法写入"));
}

TEST_F(FormFillTest, AFailedEditorStartIsReported) {
    launcher.refuseStarts = true;
    f4().TK100(10).click();
    EXPECT_EQ(services.messages().size(), 1);
}

}  // namespace
