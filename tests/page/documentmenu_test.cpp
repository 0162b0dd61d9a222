// The document menu of a tab's page: which items a right click offers, their captions, and what each
// action does to the page, the clipboard and the tabs.
#include "sinks_fixture.h"
#include "support/waits.h"

#include "forms/windowowner.h"
#include "media/form2.h"

namespace {

class DocumentMenuTest : public SinksTest {
protected:
    void SetUp() override {
        SinksTest::SetUp();
        setSetting("网页右键", "False");
        ASSERT_TRUE(startProgram());
        k = openPage();
        services.clearRecords();
    }
    // A right click on the element showing the document menu, choosing nothing; the menu as shown.
    ShownPopup menuOn(const QString& id) {
        services.clearRecords();
        services.queuePopupNone();
        rightClick(k, id);
        EXPECT_EQ(services.popups().size(), 1u);
        return services.popups().empty() ? ShownPopup() : services.popups().back();
    }
    // A right click on the element choosing an item.
    void choose(const QString& id, const QString& array, int index) {
        services.queuePopupChoice(array, index);
        rightClick(k, id);
    }
    static bool enabled(const ShownPopup& p, const char* array, int index) {
        const ui::PopupItem* item = p.item(array, index);
        return item && item->enabled;
    }
    int k = 0;
};

TEST_F(DocumentMenuTest, ItemsFollowTheLinkTheSelectionAndThePicture) {
    struct Case {
        const char* name;
        const char* label1;   // the link under the pointer as the status text left it
        bool selection;
        const char* element;
        bool linkItems, copy, picture;
    };
    const Case cases[] = {
        {"link", "http://example.com/a", false, "text", true, true, false},
        {"secure link", "https://example.com/a", false, "text", true, true, false},
        {"capital HTTP", "HTTP://EXAMPLE.COM", false, "text", false, false, false},
        {"no link", ".", false, "text", false, false, false},
        {"no link, selection", ".", true, "text", false, true, false},
        {"picture", ".", false, "pic", false, false, true},
        {"img without src", ".", false, "nosrc", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scriptUnselect(k);
        if (c.selection) scriptSelect(k, "text");
        f1().Label1.setCaption(c.label1);
        const ShownPopup p = menuOn(c.element);
        EXPECT_EQ(p.menu.name, "WDYJ");
        for (int i = 1; i <= 3; ++i) EXPECT_EQ(enabled(p, "DK100", i), c.linkItems) << i;
        EXPECT_EQ(enabled(p, "GIS100", 2), c.linkItems);
        EXPECT_EQ(enabled(p, "WDYJ100", 3), c.copy);
        EXPECT_EQ(enabled(p, "WDYJ100", 5), c.picture);
        // Always offered.
        EXPECT_TRUE(enabled(p, "WDYJ100", 4));
        for (int i = 1; i <= 3; ++i) EXPECT_TRUE(enabled(p, "SX100", i));
        EXPECT_TRUE(enabled(p, "GIS100", 1));
    }
}

TEST_F(DocumentMenuTest, HistorySearchWordsAndCaptions) {
    f1().Label13.setTag("");
    ShownPopup p = menuOn("text");
    EXPECT_FALSE(enabled(p, "WDYJ100", 1));
    EXPECT_FALSE(enabled(p, "WDYJ100", 2));
    EXPECT_FALSE(enabled(p, "GIS100", 3));
    // Captions from the two files, read at the popup.
    EXPECT_EQ(f4().WDYJ100(1).caption(), storedText(forms::Txt::Youjian, "CNA01"));
    EXPECT_EQ(f4().yuanma100(2).caption(), storedText(forms::Txt::Youjian, "CNA17"));
    sys::writeLines(sys::appPath() + "\\txt\\填空.txt", {"[Zelvaro]", "标题1=我的名字", "标题2=一段<b>文字</b>"});
    ASSERT_TRUE(load(k, server.urlText("/pages/menu.html?again"), "again"));
    f1().Label13.setTag("词语");
    p = menuOn("tall");
    EXPECT_TRUE(enabled(p, "WDYJ100", 1)) << "a page to go back to";
    EXPECT_TRUE(enabled(p, "GIS100", 3));
    EXPECT_EQ(f4().TK100(1).caption(), "我的名字");
    EXPECT_EQ(f4().TK100(2).caption(), "一段<b>文字</b>");
    EXPECT_EQ(f4().TK100(3).caption(), "");
}

TEST_F(DocumentMenuTest, CopyAndPaste) {
    // With a selection: the selection, no box.
    scriptSelect(k, "link");
    services.setClipboard("之前");
    choose("link", "WDYJ100", 3);
    EXPECT_EQ(services.clipboard(), "链接");
    EXPECT_TRUE(services.boxes(ShownBox::Input).empty());
    // Without one: the link offered in a box; OK with an edited text, Cancel and empty keep the clipboard.
    scriptUnselect(k);
    f1().Label1.setCaption("http://example.com/a");
    services.queueInput("http://example.com/edited");
    choose("text", "WDYJ100", 3);
    ASSERT_EQ(services.boxes(ShownBox::Input).size(), 1u);
    EXPECT_EQ(services.boxes(ShownBox::Input)[0].prompt, "连接");
    EXPECT_EQ(services.boxes(ShownBox::Input)[0].title, "复制");
    EXPECT_EQ(services.boxes(ShownBox::Input)[0].defaultText, "http://example.com/a");
    EXPECT_EQ(services.clipboard(), "http://example.com/edited");
    services.queueInput("");
    choose("text", "WDYJ100", 3);
    EXPECT_EQ(services.clipboard(), "http://example.com/edited");
    // Paste into the focused field.
    doc(k).getElementById("field").focus();
    services.setClipboard("贴上的");
    choose("field", "WDYJ100", 4);
    EXPECT_EQ(doc(k).getElementById("field").value(), "贴上的");
}

TEST_F(DocumentMenuTest, ViewPictureSendsThePictureToTheViewer) {
    choose("pic", "WDYJ100", 5);
    Form2* viewer = forms::windows().existing<Form2>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(waitFor([&] { return viewer->WebBrowser1.locationURL() == server.urlText("/pages/picture.png"); }));
}

TEST_F(DocumentMenuTest, TopBottomAndReload) {
    choose("text", "SX100", 3);
    const int bottom = scrollY(k);
    EXPECT_GT(bottom, 8000) << "the page's real end";
    EXPECT_TRUE(waitFor([&] { return doc(k).getElementById("end").boundingClientRect().bottom() <= view(k)->height(); }));
    choose("tall", "SX100", 1);
    EXPECT_EQ(scrollY(k), 0);
    // Reload with the hint bar off still reloads; job 0 only with it on.
    for (const char* hint : {"0", "1"}) {
        SCOPED_TRACE(hint);
        setSetting("连接提示", hint);
        f1().Timer4(0).setEnabled(false);
        server.clearRequests();
        choose("text", "SX100", 2);
        EXPECT_TRUE(waitFor([&] { return !server.requestsFor("/pages/menu.html").isEmpty(); }));
        EXPECT_EQ(due(0) >= 0, QByteArray(hint) == "1");
        ASSERT_TRUE(waitLoaded(k, "menu.html"));
    }
}

TEST_F(DocumentMenuTest, ThePoppedOutSlotRefusesHistoryAndReload) {
    ASSERT_TRUE(load(k, server.urlText("/pages/menu.html?again"), "again"));
    f1().Command7.setTag(QString::number(k));
    services.clearRecords();
    choose("text", "WDYJ100", 1);
    EXPECT_EQ(services.messages(), QStringList({"窗口独立运行中，点击被中断"}));
    settle(200);
    EXPECT_TRUE(doc(k).url().contains("again")) << "still on its page";
    services.clearRecords();
    server.clearRequests();
    choose("text", "SX100", 2);
    EXPECT_EQ(services.messages(), QStringList({"窗口独立运行中，点击被中断"}));
    settle(200);
    EXPECT_TRUE(server.requestsFor("/pages/menu.html").isEmpty());
    f1().Command7.setTag("0");
}

TEST_F(DocumentMenuTest, CloseOtherBrowserAndSearch) {
    const int other = openPage();
    ASSERT_EQ(forms::frontSlot(f1()), other);
    f4().BQYJ100(1).setTag(QString::number(k));
    // 关闭标签 closes the tab in front, whatever the tab menu held before.
    services.queuePopupChoice("GIS100", 1);
    rightClick(other, "text");
    EXPECT_LE(f1().lv(other).caption().size(), 1);
    EXPECT_GT(f1().lv(k).caption().size(), 1);
    clock.advance(200);  // the closed tab's teardown
    ASSERT_EQ(forms::frontSlot(f1()), k);
    // ie打开: the link in another browser.
    f1().Label1.setCaption("http://example.com/other");
    launcher.starts.clear();
    choose("text", "GIS100", 2);
    ASSERT_FALSE(launcher.starts.isEmpty());
    EXPECT_TRUE(launcher.starts.back().arguments.contains("http://example.com/other"));
    // 复制搜索: the search words in a new tab.
    f1().Label13.setTag("词语");
    const QString before = f1().Label9.caption();
    choose("text", "GIS100", 3);
    EXPECT_NE(f1().Label9.caption(), before);
}

}  // namespace

namespace {

TEST_F(DocumentMenuTest, FormFillWritesIntoTheFieldRightClicked) {
    sys::writeLines(sys::appPath() + "\\txt\\填空.txt", {"[Zelvaro]", "标题1=张三"});
    choose("field", "TK100", 1);
    EXPECT_EQ(doc(k).getElementById("field").value(), "张三");
    EXPECT_TRUE(services.messages().isEmpty());
}

}  // namespace
