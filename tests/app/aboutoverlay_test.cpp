// The about overlay: written into the front slot's page and removed again, moved between pages,
// closed from its close caption in the home page, and a page's own marker element.
#include "app_fixture.h"
#include "support/stored_settings.h"

#include "app/aboutoverlay.h"

namespace {

const QStringList kOverlayIds = {"fg0_img",   "fg8_input", "fg7_label", "fg6_label", "fg1_label",
                                 "fg2_label", "fg3_label", "fg4_label", "fg5_label", "fgs_style"};

class AboutOverlayTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_TRUE(startWithHomePage(pageFile("home.html", "<p id=own>home</p><label id=mine>mine</label>")));
    }
    web::Document doc(int k) { return f1().WebBrowser1(k).document(); }
    bool shows(int k) {
        const QStringList ids = bodyIds(doc(k));
        return ids.mid(ids.size() - kOverlayIds.size()) == kOverlayIds;
    }
    bool none(int k) {
        for (const QString& id : kOverlayIds)
            if (has(doc(k), id)) return false;
        return true;
    }
    void about() { f4().GB(3).click(); }
};

TEST_F(AboutOverlayTest, ShownThenRemovedInTheSamePage) {
    about();
    ASSERT_TRUE(shows(1));
    const web::Document d = doc(1);
    EXPECT_EQ(d.getElementById("fg7_label").innerText(), fgSetting("关闭"));
    EXPECT_EQ(d.evaluate("document.getElementById('fg6_label').textContent"), f1().caption() + "  [ QtWebKit ]");
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(d.getElementById(QString("fg%1_label").arg(n)).innerText(),
                  storedText(forms::Txt::Youjian, QString("CNJ0%1").arg(n)));
    }
    EXPECT_TRUE(d.getElementById("fg0_img").src().startsWith("data:image/"));
    EXPECT_EQ(d.getElementById("fg8_input").getAttribute("type"), "button");
    EXPECT_TRUE(d.getElementById("fg8_input").styleCssText().contains("480px"));
    const QString rule = d.getElementById("fgs_style").innerHTML();
    EXPECT_TRUE(rule.contains("font-family:" + fgSetting("字体") + ";")) << rule.toStdString();
    EXPECT_TRUE(rule.contains("color:" + fgSetting("目标颜色") + ";")) << rule.toStdString();
    // The page's own labels take the rule while the overlay is there.
    EXPECT_EQ(d.evaluate("getComputedStyle(document.getElementById('mine')).position"), "fixed");

    about();
    EXPECT_TRUE(none(1));
    EXPECT_TRUE(has(doc(1), "own"));
    EXPECT_EQ(doc(1).evaluate("getComputedStyle(document.getElementById('mine')).position"), "static");
}

TEST_F(AboutOverlayTest, TextsAreShownAsWritten) {
    setFgSetting("关闭", "<b>关</b>");
    about();
    const web::Element close = doc(1).getElementById("fg7_label");
    EXPECT_EQ(close.innerText(), "<b>关</b>");
    EXPECT_TRUE(close.getElementsByTagName("b").isEmpty());
}

TEST_F(AboutOverlayTest, MovesToTheFrontSlotsPage) {
    ASSERT_TRUE(openSlot(3, pageFile("three.html", "<p>three</p>")));
    ASSERT_TRUE(openSlot(10, pageFile("ten.html", "<p>ten</p>")));

    f1().Label9.setCaption("3");
    about();
    EXPECT_TRUE(shows(3));

    f1().Label9.setCaption("1");  // the home slot in front: the scan covers the tabs
    about();
    EXPECT_TRUE(shows(1));
    EXPECT_TRUE(none(3));

    f1().Label9.setCaption("10");  // "10" is a tab, not the home slot
    about();
    EXPECT_TRUE(shows(10));
    EXPECT_TRUE(none(1));

    about();
    EXPECT_TRUE(none(10));
    EXPECT_TRUE(none(1));
    EXPECT_TRUE(none(3));
}

TEST_F(AboutOverlayTest, FrontSlotWithoutABrowserOnlyCleansUp) {
    about();
    ASSERT_TRUE(shows(1));
    f1().Label9.setCaption("4");  // no browser in slot 4
    about();
    EXPECT_TRUE(none(1));
}

TEST_F(AboutOverlayTest, PageWithItsOwnMarkerIsOnlyCleaned) {
    ASSERT_TRUE(openSlot(2, pageFile("marker.html", "<p>x</p><style id=fgs_style>p{}</style>")));
    f1().Label9.setCaption("2");
    about();
    EXPECT_FALSE(has(doc(2), "fgs_style"));
    EXPECT_FALSE(has(doc(2), "fg0_img"));
    about();
    EXPECT_TRUE(shows(2));
}

TEST_F(AboutOverlayTest, CloseCaptionClickInTheHomePageRemovesIt) {
    ASSERT_TRUE(waitFor([&] { return f1().M_Dom.document() == doc(1); }));
    about();
    ASSERT_TRUE(shows(1));
    for (const char* id : {"fg6_label", "fg2_label", "fg8_input"}) {
        click(f1().WebBrowser1(1), id);
        EXPECT_TRUE(shows(1)) << id;
    }
    click(f1().WebBrowser1(1), "fg7_label");
    EXPECT_TRUE(none(1));
}

TEST_F(AboutOverlayTest, RemovalFromAPageWithoutItChangesNothing) {
    const QStringList before = bodyIds(doc(1));
    AboutOverlay::removeFrom(doc(1));
    EXPECT_EQ(bodyIds(doc(1)), before);
}

}  // namespace
