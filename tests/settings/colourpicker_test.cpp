// The colour picker: its swatches, its place beside the settings window, and a swatch click stored in
// the setting the settings window's tag names, with the recolouring of the main window, the three
// refusals and the clicks that store nothing.
#include "settings_fixture.h"

#include "settings/colourfields.h"
#include "settings/swatches.h"

#include "platform/sys/inifile.h"

#include <functional>
#include <set>

namespace {

using Txt = forms::Txt;

// Swatch 27 珊瑚色: a colour no shipped setting holds.
constexpr int kCoral = 27;
constexpr ui::Color kCoralColour = 5275647;

struct SlotCase {
    const char* slot;
    Txt file;
    const char* key;
    // What shows the colour n once it is stored, with slot 3 in front (slots 2 and 3 open).
    std::function<void(Form5& w, Form1& f, ui::Color n)> shown;
};

const SlotCase kSlots[] = {
    {"字体颜色1", Txt::App, "字体颜色1",
     [](Form5& w, Form1& f, ui::Color n) {
         EXPECT_EQ(w.Text6.backColor(), n);
         for (int k = 2; k <= 10; ++k)
             if (k != 3) {
                 EXPECT_EQ(f.lv(k).foreColor(), n) << k;
             }
         EXPECT_EQ(f.lv(3).foreColor(), rt::toColor(storedSetting("字体颜色2")));
     }},
    {"字体颜色2", Txt::App, "字体颜色2",
     [](Form5& w, Form1& f, ui::Color n) {
         EXPECT_EQ(w.Text8.backColor(), n);
         EXPECT_EQ(f.lv(3).foreColor(), n);
     }},
    {"当前标签", Txt::App, "当前标签",
     [](Form5& w, Form1& f, ui::Color n) {
         EXPECT_EQ(w.Text32.backColor(), n);
         EXPECT_EQ(f.lv(3).backColor(), n);
         EXPECT_EQ(f.lv(2).backStyle(), 0);
     }},
    {"颜色2", Txt::App, "文字颜色",
     [](Form5& w, Form1&, ui::Color n) {
         EXPECT_EQ(w.Text4(2).text(), QString::number(n));
         EXPECT_EQ(w.Text4(2).foreColor(), n);
     }},
    {"颜色3", Txt::App, "加载颜色",
     [](Form5& w, Form1&, ui::Color n) {
         EXPECT_EQ(w.Text4(3).text(), QString::number(n));
         EXPECT_EQ(w.Text4(3).foreColor(), n);
     }},
    {"风格0", Txt::Fg, "背景0",
     [](Form5& w, Form1& f, ui::Color n) {
         EXPECT_EQ(w.Text7(0).backColor(), n);
         EXPECT_EQ(f.backColor(), n);
         EXPECT_EQ(f.Text7.backColor(), n);
         EXPECT_EQ(w.Picture2.backColor(), n);
     }},
    {"风格10", Txt::Fg, "颜色1",
     [](Form5& w, Form1& f, ui::Color n) {
         EXPECT_EQ(w.Text7(10).backColor(), n);
         for (int k = 0; k <= 4; ++k) EXPECT_EQ(f.Label2(k).foreColor(), n) << k;
         EXPECT_EQ(f.Text7.foreColor(), n);
         EXPECT_EQ(w.Label3.foreColor(), n);
     }},
    {"风格11", Txt::Fg, "颜色2", [](Form5& w, Form1&, ui::Color n) { EXPECT_EQ(w.Text7(11).backColor(), n); }},
    {"风格12", Txt::Fg, "颜色3", [](Form5& w, Form1&, ui::Color n) { EXPECT_EQ(w.Text7(12).backColor(), n); }},
    {"风格17", Txt::Fg, "窗口边框",
     [](Form5& w, Form1& f, ui::Color n) {
         EXPECT_EQ(w.Text7(17).backColor(), n);
         for (int k = 1; k <= 4; ++k) EXPECT_EQ(f.Line1(k).borderColor(), n) << k;
     }},
    {"风格18", Txt::Fg, "按钮边框",
     [](Form5& w, Form1& f, ui::Color n) {
         EXPECT_EQ(w.Text7(18).backColor(), n);
         for (int k = 0; k <= 3; ++k) EXPECT_EQ(f.Shape2(k).borderColor(), n) << k;
     }},
};

class PickerTest : public SettingsTest {
protected:
    // The settings window open, with tabs 2 and 3 open and 3 in front (opened once), the records of
    // the boxes shown so far cleared.
    Form5& ready() {
        Form5& w = open();
        if (!tabsOpen_) {
            tabsOpen_ = true;
            openTab();
            openTab();
        }
        EXPECT_EQ(f1().Label9.caption(), "3");
        services.clearRecords();
        return w;
    }
    Form8* picker() { return forms::windows().existing<Form8>(); }
    void clickSwatch(int i) { forms::window<Form8>().Text1.onClick(i); }
    QString stored(Txt file, const char* key) { return storedText(file, QString::fromUtf8(key)); }

private:
    bool tabsOpen_ = false;
};

}  // namespace

// Each slot stores the clicked colour in its setting, recolours its field and the main window, and
// shows the save indicator.
TEST_F(PickerTest, SwatchClickDispatchesToTheSlotInTheTag) {
    for (const SlotCase& c : kSlots) {
        // The shipped values, so that no partner holds the colour clicked.
        for (const SlotCase& other : kSlots) {
            const QString shipped = sys::getProfileString(QStringLiteral(ZV_DATA_DIR) + "/txt/" +
                                                              (other.file == Txt::App ? "应用.txt" : "fg.txt"),
                                                          forms::kSection, QString::fromUtf8(other.key));
            storeText(other.file, QString::fromUtf8(other.key), shipped);
        }
        Form5& w = ready();
        ColourFields::openPicker(w, QString::fromUtf8(c.slot));
        clickSwatch(kCoral);
        EXPECT_EQ(stored(c.file, c.key), "5275647") << c.slot;
        c.shown(w, f1(), kCoralColour);
        EXPECT_TRUE(indicatorShown(w)) << c.slot;
        EXPECT_TRUE(services.messages().isEmpty()) << c.slot;
        EXPECT_EQ(picker()->Text1(0).text(), "5275647");
        EXPECT_EQ(picker()->Text1(0).tag(), "1");
        close(w);
        picker()->unload();
    }
}

// The fields of the pages 标签 and 颜色 name their slots.
TEST_F(PickerTest, ColourFieldsNameTheirSlots) {
    Form5& w = ready();
    const std::pair<std::function<void()>, const char*> clicks[] = {
        {[&] { w.Text6.onClick(); }, "字体颜色1"}, {[&] { w.Text8.onClick(); }, "字体颜色2"},
        {[&] { w.Text32.onClick(); }, "当前标签"},  {[&] { w.Text4.onClick(2); }, "颜色2"},
        {[&] { w.Text4.onClick(3); }, "颜色3"},
    };
    for (const auto& c : clicks) {
        c.first();
        EXPECT_EQ(w.tag(), QString::fromUtf8(c.second));
        ASSERT_NE(picker(), nullptr);
        EXPECT_TRUE(picker()->visible());
    }
}

// A slot with a partner refuses the partner's value: its message, nothing stored or recoloured, no
// save indicator; the result box and its flag are set all the same.
TEST_F(PickerTest, ThreeSlotsRefuseTheirPartnersValue) {
    struct Refusal {
        const char* slot;
        const char* key;
        const char* partner;
        const char* message;
        std::function<ui::Control&(Form5&)> field;
    };
    const Refusal cases[] = {
        {"字体颜色1", "字体颜色1", "字体颜色2", "选择失败，字体颜色1和字体颜色2相同",
         [](Form5& w) -> ui::Control& { return w.Text6; }},
        {"字体颜色2", "字体颜色2", "字体颜色1", "选择失败，字体颜色2和字体颜色1相同",
         [](Form5& w) -> ui::Control& { return w.Text8; }},
        {"当前标签", "当前标签", "标签颜色", "选择失败，当前标签和标签颜色相同",
         [](Form5& w) -> ui::Control& { return w.Text32; }},
    };
    for (const Refusal& c : cases) {
        app(c.key, "100");
        app(c.partner, "5275647");
        Form5& w = ready();
        const ui::Color before = c.field(w).backColor();
        const ui::Color frontText = f1().lv(3).foreColor(), frontBack = f1().lv(3).backColor();
        ColourFields::openPicker(w, QString::fromUtf8(c.slot));
        clickSwatch(kCoral);
        const auto boxes = services.boxes(ShownBox::Message);
        ASSERT_EQ(boxes.size(), 1u) << c.slot;
        EXPECT_EQ(boxes[0].prompt, QString::fromUtf8(c.message));
        EXPECT_EQ(boxes[0].style, ui::vbCritical);
        EXPECT_EQ(boxes[0].title, "");
        EXPECT_EQ(app(c.key), "100");
        EXPECT_EQ(c.field(w).backColor(), before);
        EXPECT_EQ(f1().lv(3).foreColor(), frontText);
        EXPECT_EQ(f1().lv(3).backColor(), frontBack);
        EXPECT_FALSE(indicatorShown(w));
        EXPECT_EQ(picker()->Text1(0).text(), "5275647");
        EXPECT_EQ(picker()->Text1(0).tag(), "1");

        // The value the setting holds already is no refusal: it is stored again.
        clickSwatch(1);
        EXPECT_EQ(app(c.key), "0");
        EXPECT_TRUE(indicatorShown(w));
        close(w);
        app(c.partner, "");
    }
}

// With 标签颜色 absent every colour is accepted for 当前标签; with the home slot in front, 字体颜色1 still
// reaches every tab label while 字体颜色2 and 当前标签 only store and show their field.
TEST_F(PickerTest, HomeSlotInFrontAndAnAbsentPartner) {
    app("标签颜色", "");
    app("字体颜色2", "16777215");
    Form5& w = open();
    ASSERT_EQ(f1().Label9.caption(), "1");
    ColourFields::openPicker(w, QStringLiteral("当前标签"));
    clickSwatch(kCoral);
    EXPECT_EQ(app("当前标签"), "5275647");
    EXPECT_EQ(w.Text32.backColor(), kCoralColour);
    ColourFields::openPicker(w, QStringLiteral("字体颜色2"));
    clickSwatch(63);
    EXPECT_EQ(app("字体颜色2"), "16748574");
    EXPECT_EQ(w.Text8.backColor(), 16748574);
    ColourFields::openPicker(w, QStringLiteral("字体颜色1"));
    clickSwatch(kCoral);
    EXPECT_EQ(app("字体颜色1"), "5275647");
    for (int k = 2; k <= 10; ++k) EXPECT_EQ(f1().lv(k).foreColor(), kCoralColour) << k;
    EXPECT_TRUE(services.messages().isEmpty());
}

// Black is stored as "0" and white as "16777215"; white on the colour page draws its text invisible.
TEST_F(PickerTest, BlackAndWhiteAreStoredAsTheirNumbers) {
    Form5& w = open();
    w.Text4.onClick(2);
    clickSwatch(1);
    EXPECT_EQ(app("文字颜色"), "0");
    clickSwatch(7);
    EXPECT_EQ(app("文字颜色"), "16777215");
    EXPECT_EQ(w.Text4(2).text(), "16777215");
    EXPECT_EQ(w.Text4(2).foreColor(), w.Text4(2).backColor());
}

// A tag that names no colour slot (empty after the load, or the font list's target) stores and shows
// nothing; the result box and the flag still change. A click on the result box changes nothing.
TEST_F(PickerTest, ClicksThatStoreNothingShowNothing) {
    Form5& w = open();
    const QString before = app("字体颜色1");
    for (const char* tag : {"", "标签字体", "风格字体", "风格1", "颜色", "字体颜色1 "}) {
        w.setTag(QString::fromUtf8(tag));
        forms::window<Form8>().Text1(0).setTag(QStringLiteral("0"));
        clickSwatch(kCoral);
        EXPECT_FALSE(indicatorShown(w)) << tag;
        EXPECT_EQ(picker()->Text1(0).text(), "5275647");
        EXPECT_EQ(picker()->Text1(0).tag(), "1");
    }
    EXPECT_EQ(app("字体颜色1"), before);

    picker()->Text1(0).setTag(QStringLiteral("0"));
    picker()->Text1.onClick(0);
    EXPECT_EQ(picker()->Text1(0).text(), "5275647");
    EXPECT_EQ(picker()->Text1(0).tag(), "0");
}

// The settings window closed while the picker stays open: a swatch click does not load it again.
TEST_F(PickerTest, SwatchClickWithTheSettingsWindowClosedLoadsNothing) {
    Form5& w = open();
    w.Text6.onClick();
    close(w);
    const QString before = app("字体颜色1");
    clickSwatch(kCoral);
    EXPECT_EQ(forms::windows().existing<Form5>(), nullptr);
    EXPECT_EQ(app("字体颜色1"), before);
    EXPECT_EQ(picker()->Text1(0).tag(), "1");
}

// The picker opens beside the settings window; an open picker moved elsewhere comes back there when
// another colour field is clicked, keeps its result box, and serves the new slot.
TEST_F(PickerTest, OpensBesideTheSettingsWindowAndFollowsTheLastField) {
    services.setScreen(QRect(0, 0, 28800, 16200));
    Form5& w = open();
    w.Text6.onClick();
    Form8* p = picker();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->visible());
    EXPECT_EQ(p->left(), 9600 + 1500);
    EXPECT_EQ(p->top(), 5400 + 500);
    EXPECT_EQ(p->width(), 8655);
    EXPECT_EQ(p->height(), 6135);
    EXPECT_EQ(p->caption(), "选择颜色");
    clickSwatch(kCoral);

    p->move(100, 200);
    w.move(3000, 4000);
    w.Text4.onClick(3);
    EXPECT_EQ(picker(), p);
    EXPECT_EQ(p->left(), 4500);
    EXPECT_EQ(p->top(), 4500);
    EXPECT_EQ(p->width(), 8655);
    EXPECT_EQ(p->Text1(0).text(), "5275647");
    EXPECT_EQ(p->Text1(0).tag(), "1");
    clickSwatch(24);
    EXPECT_EQ(app("加载颜色"), "255");
    EXPECT_EQ(w.Text4(3).text(), "255");

    // Closed and opened again: a fresh result box.
    p->unload();
    w.Text4.onClick(3);
    ASSERT_NE(picker(), nullptr);
    EXPECT_EQ(picker()->Text1(0).text(), "0");
    EXPECT_EQ(picker()->Text1(0).tag(), "");
}

// The swatches: names, colours, text colours and grid places as the picker's table has them.
TEST_F(PickerTest, SwatchesShowTheirNamesOnTheirColours) {
    ASSERT_TRUE(start());
    Form8& p = forms::window<Form8>();
    struct Row {
        int index;
        const char* name;
        ui::Color colour;
        ui::Color text;
        double left, top;
    };
    const Row rows[] = {
        {1, "黑色", 0, 0xC0C0C0, 120, 240 + 360 * 15},
        {9, "天蓝色", 16777200, ui::kWindowText, 120, 240 + 360 * 9},
        {17, "密露橙", 15794160, ui::kWindowText, 1440, 240 + 360 * 2},
        {31, "粉红", 13353215, ui::kWindowText, 3000, 240},
        {36, "深红色", 16711935, 0xFFFFFF, 3000, 240 + 360 * 5},
        {46, "棕米色", 8426659, ui::kWindowText, 4320, 240},
        {63, "道奇蓝", 16748574, 0, 5880, 240 + 360 * 3},
        {90, "深紫色", 14822282, 0xFFFFFF, 7200, 240 + 360 * 15},
    };
    for (const Row& r : rows) {
        const ui::TextBox& box = p.Text1(r.index);
        EXPECT_EQ(box.text(), QString::fromUtf8(r.name)) << r.index;
        EXPECT_EQ(box.backColor(), r.colour) << r.index;
        EXPECT_EQ(box.foreColor(), r.text) << r.index;
        EXPECT_EQ(box.left(), r.left) << r.index;
        EXPECT_EQ(box.top(), r.top) << r.index;
        EXPECT_EQ(box.width(), 1335);
        EXPECT_EQ(box.height(), 375);
        EXPECT_TRUE(box.locked());
    }
    // Every swatch has a place of its own, and none lies under the result box.
    std::set<std::pair<double, double>> places;
    for (int i = 1; i <= settings::kSwatchCount; ++i) {
        places.insert({p.Text1(i).left(), p.Text1(i).top()});
        EXPECT_FALSE(p.Text1(i).left() < 120 + 2655 && p.Text1(i).top() < 120 + 375) << i;
    }
    EXPECT_EQ(places.size(), 90u);
    EXPECT_EQ(p.Text1(0).text(), "0");
    EXPECT_EQ(p.Text1(0).tag(), "");
    EXPECT_FALSE(p.Text1(0).locked());
}
