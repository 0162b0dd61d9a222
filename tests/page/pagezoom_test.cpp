// Page zoom: the seven factors as a radio group of the menu, the typed factor, the home page, and the
// refusal for the popped-out slot.
#include "page_fixture.h"

#include "forms/form4.h"

namespace {

class ZoomTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        ASSERT_TRUE(startProgram());
        services.clearRecords();
    }
    void choose(int item) { chooseFromMainMenu("WYSF100", item); }
    // "1" for a marked item, "-" for a disabled one, "." otherwise; items 1 to 7.
    QString marks() {
        QString s;
        for (int i = 1; i <= 7; ++i) {
            const ui::Menu& item = f4().WYSF100(i);
            s += item.checked() ? (item.enabled() ? "1" : "X") : (item.enabled() ? "." : "-");
        }
        return s;
    }
    QString zoomOf(int k) { return doc(k).body().styleProperty("zoom"); }
};

TEST_F(ZoomTest, FactorsAreARadioGroup) {
    EXPECT_EQ(marks(), "...X...");
    const int k = openTab();
    ASSERT_TRUE(load(k, server.urlText("/pages/links.html")));
    choose(3);
    EXPECT_EQ(zoomOf(k), "150%");
    EXPECT_EQ(marks(), "..X....");
    // The chosen item cannot be chosen again; the others can.
    choose(3);
    EXPECT_EQ(marks(), "..X....");
    choose(7);
    EXPECT_EQ(zoomOf(k), "70%");
    EXPECT_EQ(marks(), "......X");
    // A new page shows at its own size; the marks stay.
    ASSERT_TRUE(load(k, server.urlText("/pages/target.html")));
    EXPECT_EQ(zoomOf(k), "");
    EXPECT_EQ(marks(), "......X");
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(ZoomTest, OnlyTheFrontPageIsZoomed) {
    const int a = openTab();
    ASSERT_TRUE(load(a, server.urlText("/pages/links.html")));
    const int b = openTab();
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    choose(1);
    EXPECT_EQ(zoomOf(b), "300%");
    EXPECT_EQ(zoomOf(a), "");
    // The home page when it is in front.
    f1().Label9.setCaption("1");
    choose(2);
    EXPECT_EQ(zoomOf(1), "200%");
    EXPECT_EQ(zoomOf(b), "300%");
}

TEST_F(ZoomTest, TypedFactor) {
    const int k = openTab();
    ASSERT_TRUE(load(k, server.urlText("/pages/links.html")));
    struct Case {
        const char* answer;
        const char* zoom;  // "" = unchanged
        bool refused;
    };
    const Case cases[] = {{"", "", false}, {"5", "", false}, {"50", "50%", false}, {"250", "250%", false},
                          {"1234", "", true}, {"abc", "", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        doc(k).body().setStyleProperty("zoom", "");
        choose(1);  // something marked, so item 8 shows that it clears the marks
        doc(k).body().setStyleProperty("zoom", "");
        services.clearRecords();
        services.queueInput(c.answer);
        choose(8);
        ASSERT_EQ(services.boxes(ShownBox::Input).size(), 1u);
        const ShownBox box = services.boxes(ShownBox::Input)[0];
        EXPECT_EQ(box.prompt, "数字越大网页越大");
        EXPECT_EQ(box.title, "网页缩放");
        EXPECT_EQ(marks(), ".......");
        if (QByteArray(c.answer) == "abc") {
            // Handed to the engine as typed: it is no zoom the engine takes.
            EXPECT_NE(zoomOf(k), "abc%");
        } else {
            EXPECT_EQ(zoomOf(k), c.zoom);
        }
        if (c.refused) {
            ASSERT_EQ(services.boxes(ShownBox::Message).size(), 1u);
            EXPECT_EQ(services.boxes(ShownBox::Message)[0].prompt, "最小2位数，最多3位数");
            EXPECT_TRUE(services.boxes(ShownBox::Message)[0].style & ui::vbCritical);
        } else {
            EXPECT_TRUE(services.boxes(ShownBox::Message).empty());
        }
    }
}

TEST_F(ZoomTest, ThePoppedOutSlotIsRefused) {
    const int k = openTab();
    ASSERT_TRUE(load(k, server.urlText("/pages/links.html")));
    choose(3);
    f1().Command7.setTag(QString::number(k));
    choose(1);
    services.queueInput("80");
    choose(8);
    EXPECT_EQ(zoomOf(k), "150%");
    EXPECT_EQ(marks(), "..X....");
    EXPECT_EQ(services.messages(), QStringList({"窗口独立运行中，不能缩放", "窗口独立运行中，不能缩放"}));
    EXPECT_TRUE(services.boxes(ShownBox::Input).empty());
    f1().Command7.setTag("0");
}

}  // namespace
