// The main menu's 换颜色 items as a person chooses them: the four colour schemes (their ten settings,
// the main window recoloured at once, the settings window and the picker closed, the ticks), the
// page-margin toggle with the window's layout, and the skin picture item; every item sets the
// interface font first.
#include "settings_fixture.h"

#include "forms/form4.h"
#include "settings/colourfields.h"
#include "settings/colourschemes.h"

#include "platform/rt/format.h"
#include "platform/sys/programfolder.h"
#include "platform/web/document.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextCodec>

#include <algorithm>

#include <cctype>

namespace {

using Txt = forms::Txt;

struct SchemeKey {
    Txt file;
    const char* key;
    const char* values[4];  // 灰, 紫, 黑, 蓝
};

// The ten keys every scheme writes.
const SchemeKey kSchemeKeys[] = {
    {Txt::Fg, "窗口边框", {"12632256", "12607381", "2171945", "15130800"}},
    {Txt::Fg, "按钮边框", {"12632256", "12607381", "2171945", "15130800"}},
    {Txt::Fg, "背景0", {"&H8000000F", "16481475", "5000268", "16100715"}},
    {Txt::Fg, "颜色1", {"16711680", "0", "3329330", "16777215"}},
    {Txt::Fg, "颜色2", {"255", "0", "0", "16777215"}},
    {Txt::Fg, "颜色3", {"12632256", "13237437", "65280", "16748574"}},
    {Txt::App, "字体颜色1", {"6914176", "16777215", "12632256", "14474460"}},
    {Txt::App, "字体颜色2", {"16711680", "0", "0", "16777215"}},
    {Txt::App, "当前标签", {"12632256", "13237437", "3329330", "16748574"}},
    {Txt::Fg, "界面颜色", {"灰", "紫", "黑", "蓝"}},
};

const QString kFont = QStringLiteral("微软雅黑");

class SchemeTest : public SettingsTest {
protected:
    // Chooses item `index` of the 换颜色 submenu from the main menu, as a person does.
    // Index -1 pops the menu up and chooses nothing.
    void chooseItem(int index) {
        if (index < 0) {
            services.queuePopupNone();
        } else {
            services.queuePopupChoice("peise", index);
        }
        const QPoint spot(4000 / 15, 4000 / 15);
        QMouseEvent press(QEvent::MouseButtonPress, spot, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, spot, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &release);
        ASSERT_FALSE(services.popups().empty());
        if (index >= 0) {
            ASSERT_NE(services.popups().back().chosenId, -1) << "peise " << index << " could not be chosen";
        }
    }
    // The settings window open and the picker open beside it.
    void openBoth() {
        Form5& w = open();
        ColourFields::openPicker(w, QStringLiteral("风格0"));
        ASSERT_NE(forms::windows().existing<Form8>(), nullptr);
    }
    // Takes a key out of fg.txt (GBK, CR LF).
    void removeFgKey(const char* key) {
        QFile file(sys::nativePath(forms::txtPath(Txt::Fg)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QTextCodec* gbk = QTextCodec::codecForName("GBK");
        QStringList lines = gbk->toUnicode(file.readAll()).split(QStringLiteral("\r\n"));
        file.close();
        const QString prefix = QString::fromUtf8(key) + '=';
        lines.erase(std::remove_if(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(prefix); }),
                    lines.end());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(gbk->fromUnicode(lines.join(QStringLiteral("\r\n"))));
        file.close();
        ASSERT_EQ(storedText(Txt::Fg, QString::fromUtf8(key)), "");
    }
    bool settingsOpen() const { return forms::windows().existing<Form5>() != nullptr; }
    bool pickerOpen() const { return forms::windows().existing<Form8>() != nullptr; }

    // The chrome's font, and the glyph frames laid on their glyphs.
    void expectInterfaceFont() {
        EXPECT_EQ(fg("字体"), kFont);
        for (int k = 0; k <= 4; ++k) EXPECT_EQ(f1().Label2(k).fontName(), kFont) << k;
        EXPECT_EQ(f1().Text7.fontName(), kFont);
        for (int k = 1; k <= 3; ++k) {
            const ui::Label& glyph = f1().Label2(k);
            const ui::Shape& frame = f1().Shape2(k);
            EXPECT_EQ(QRectF(frame.left(), frame.top(), frame.width(), frame.height()),
                      QRectF(glyph.left(), glyph.top(), glyph.width(), glyph.height()))
                << k;
        }
    }

    struct Layout {
        QRectF address, addressFrame, home;
        double closeLeft, width;
        bool operator==(const Layout& o) const {
            return address == o.address && addressFrame == o.addressFrame && home == o.home &&
                   closeLeft == o.closeLeft && width == o.width;
        }
    };
    static QRectF rect(const ui::Control& c) { return QRectF(c.left(), c.top(), c.width(), c.height()); }
    Layout layout() {
        return {rect(f1().Text7), rect(f1().Shape2(0)), rect(f1().WebBrowser1(1)), f1().Label2(3).left(),
                f1().width()};
    }
};

// --- the colour schemes ---------------------------------------------------------------------------

struct SchemeCase {
    int index;       // 1 灰 .. 4 蓝
    bool tabFront;   // slot 10 in front (else the home slot)
};

void PrintTo(const SchemeCase& c, std::ostream* os) {
    *os << "scheme " << c.index << (c.tabFront ? ", slot 10 in front" : ", home slot in front");
}

std::string schemeCaseName(const SchemeCase& c) {
    static const char* const names[] = {"Grey", "Purple", "Black", "Blue"};
    return std::string(names[c.index - 1]) + (c.tabFront ? "_Slot10InFront" : "_HomeInFront");
}

class SchemeTable : public SchemeTest, public ::testing::WithParamInterface<SchemeCase> {};

TEST_P(SchemeTable, WritesTheTenKeysRecoloursTheWindowAndClosesTheSettingsWindows) {
    const SchemeCase c = GetParam();
    openBoth();
    if (c.tabFront) {
        for (int i = 0; i < 9; ++i) openTab();
        ASSERT_EQ(f1().Label9.caption(), "10");
    }
    ASSERT_TRUE(settingsOpen());
    // No scheme marked, so every scheme item can be chosen.
    fg("界面颜色", "");
    fg("字体", "宋体");
    web::WebBrowser& front = f1().WebBrowser1(c.tabFront ? 10 : 1);
    const double frontWidth = front.width();
    ui::Color backs[11] = {};
    for (int k = 2; k <= 10; ++k) backs[k] = f1().lv(k).backColor();

    chooseItem(c.index);

    auto value = [&](const char* key) {
        for (const SchemeKey& s : kSchemeKeys)
            if (QByteArray(s.key) == key) return QString::fromUtf8(s.values[c.index - 1]);
        ADD_FAILURE() << key;
        return QString();
    };
    auto n = [&](const char* key) { return static_cast<ui::Color>(rt::toColor(value(key))); };
    for (const SchemeKey& s : kSchemeKeys)
        EXPECT_EQ(storedText(s.file, QString::fromUtf8(s.key)), value(s.key)) << s.key;
    expectInterfaceFont();

    Form1& f = f1();
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(f.Line1(k).borderColor(), n("窗口边框")) << k;
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(f.Shape2(k).borderColor(), n("按钮边框")) << k;
    EXPECT_EQ(f.backColor(), n("背景0"));
    EXPECT_EQ(f.Text7.backColor(), n("背景0"));
    for (int k = 0; k <= 4; ++k) EXPECT_EQ(f.Label2(k).foreColor(), n("颜色1")) << k;
    EXPECT_EQ(f.Text7.foreColor(), n("颜色1"));
    for (int k = 2; k <= 10; ++k) {
        if (c.tabFront && k == 10) continue;
        EXPECT_EQ(f.lv(k).foreColor(), n("字体颜色1")) << k;
        EXPECT_EQ(f.lv(k).backColor(), backs[k]) << k;
    }
    if (c.tabFront) {
        EXPECT_EQ(f.lv(10).foreColor(), n("字体颜色2"));
        EXPECT_EQ(f.lv(10).backColor(), n("当前标签"));
    } else {
        EXPECT_EQ(f.lv(10).foreColor(), n("字体颜色1"));
        EXPECT_EQ(f.lv(10).backColor(), backs[10]);
    }
    // Widened while the scheme was applied, narrowed again after.
    EXPECT_EQ(front.width(), frontWidth);

    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(f4().peise(i).checked(), i == c.index) << i;
        EXPECT_EQ(f4().peise(i).enabled(), i != c.index) << i;
    }
    EXPECT_FALSE(settingsOpen());
    EXPECT_FALSE(pickerOpen());
    EXPECT_TRUE(services.messages().isEmpty());

    // Opened again, the settings window shows the scheme's values.
    Form5& w = open();
    EXPECT_EQ(w.Text7(0).backColor(), n("背景0"));
    EXPECT_EQ(w.Text7(16).text(), kFont);
    EXPECT_EQ(w.tag(), "");
}

INSTANTIATE_TEST_SUITE_P(Schemes, SchemeTable,
                         ::testing::Values(SchemeCase{1, false}, SchemeCase{2, false}, SchemeCase{3, false},
                                           SchemeCase{4, false}, SchemeCase{1, true}, SchemeCase{2, true},
                                           SchemeCase{3, true}, SchemeCase{4, true}),
                         [](const ::testing::TestParamInfo<SchemeCase>& info) { return schemeCaseName(info.param); });

// 灰 stores the system colour reference in its hexadecimal form; the window shows the desktop's
// button face, now and after a restart.
TEST_F(SchemeTest, GreyKeepsTheSystemColourReference) {
    open();
    fg("界面颜色", "");
    chooseItem(1);
    EXPECT_EQ(fg("背景0"), "&H8000000F");
    EXPECT_TRUE(ui::isSystemColor(f1().backColor()));
    EXPECT_EQ(ui::toQColor(f1().backColor()), ui::toQColor(ui::kButtonFace));
    EXPECT_EQ(ui::toQColor(f1().Text7.backColor()), ui::toQColor(ui::kButtonFace));
}

// The chosen scheme is marked and its item disabled at the next popup too; choosing another moves
// the mark.
TEST_F(SchemeTest, TheMarkMovesWithTheChoice) {
    open();
    fg("界面颜色", "");
    chooseItem(2);
    chooseItem(3);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(f4().peise(i).checked(), i == 3) << i;
        EXPECT_EQ(f4().peise(i).enabled(), i != 3) << i;
    }
    chooseItem(-1);
    for (int i = 2; i <= 3; ++i) {
        const ui::PopupItem* item = services.popups().back().item("peise", i);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->checked, i == 3) << i;
        EXPECT_EQ(item->enabled, i != 3) << i;
    }
}

// --- the page margins -----------------------------------------------------------------------------

struct MarginCase {
    const char* before;  // 界面边距 before; nullptr: absent
    bool on;             // margins on after the toggle
};

void PrintTo(const MarginCase& c, std::ostream* os) { *os << (c.before ? c.before : "(absent)"); }

std::string marginCaseName(size_t index) {
    static const char* const names[] = {"None", "Some", "Empty", "Absent"};
    return names[index];
}

class MarginTable : public SchemeTest, public ::testing::WithParamInterface<MarginCase> {};

TEST_P(MarginTable, ExactlyNoneTurnsThemOnAnythingElseOff) {
    const MarginCase c = GetParam();
    open();
    if (c.before) {
        fg("界面边距", QString::fromUtf8(c.before));
    } else {
        removeFgKey("界面边距");
    }
    const double width = f1().width();
    chooseItem(ColourSchemes::kMarginsItem);

    const QStringList offsets = {fg("网页右移"), fg("网页左减"), fg("网页长度")};
    EXPECT_EQ(offsets, c.on ? QStringList({"0", "0", "0"}) : QStringList({"-130", "-240", "-130"}));
    EXPECT_EQ(fg("界面边距"), c.on ? "有" : "无");
    EXPECT_EQ(f4().peise(6).checked(), c.on);
    EXPECT_EQ(f1().width(), width + (c.on ? -10 : 10));
    // Laid out with the offsets just written.
    const double offset = c.on ? 0 : -130;
    EXPECT_EQ(f1().Text7.left(), offset + 150 + 40);
    EXPECT_EQ(f1().WebBrowser1(1).left(), offset + 150 - 10);
    EXPECT_EQ(f1().WebBrowser1(1).width(), f1().scaleWidth() - (c.on ? 0 : -240) - 270);
    expectInterfaceFont();
    // No colour and no scheme mark change, and nothing is closed.
    EXPECT_TRUE(settingsOpen());
}

INSTANTIATE_TEST_SUITE_P(Values, MarginTable,
                         ::testing::Values(MarginCase{"无", true}, MarginCase{"有", false}, MarginCase{"", false},
                                           MarginCase{nullptr, false}),
                         [](const ::testing::TestParamInfo<MarginCase>& info) { return marginCaseName(info.index); });

// Two toggles in a row bring the window back to its first layout and width; the skin command lines
// the home page's background up with the home browser each time.
TEST_F(SchemeTest, MarginToggleTwiceReturnsTheFirstLayout) {
    open();
    ASSERT_EQ(fg("界面边距"), "有");
    ASSERT_TRUE(waitFor([&] { return !f1().WebBrowser1(1).document().isNull() && !f1().WebBrowser1(1).busy(); }));
    const Layout first = layout();
    chooseItem(ColourSchemes::kMarginsItem);
    const Layout off = layout();
    EXPECT_FALSE(off == first);
    const web::Element body = f1().WebBrowser1(1).document().body();
    auto position = [&] {
        return "-" + rt::str(static_cast<float>(f1().WebBrowser1(1).left() / 15)) + "px -" +
               rt::str(static_cast<float>(f1().WebBrowser1(1).top() / 15)) + "px";
    };
    EXPECT_EQ(body.styleProperty("background-position"), position());
    chooseItem(ColourSchemes::kMarginsItem);
    EXPECT_TRUE(layout() == first);
    EXPECT_EQ(fg("界面边距"), "有");
    EXPECT_EQ(body.styleProperty("background-position"), position());
}

// Items 5 and 6 set the interface font too, but change no colour and no scheme mark and close no
// window.
TEST_F(SchemeTest, PictureAndMarginItemsRefontButCloseNothing) {
    for (int item : {ColourSchemes::kSkinPictureItem, ColourSchemes::kMarginsItem}) {
        SCOPED_TRACE(item);
        openBoth();
        fg("字体", "宋体");
        fg("界面颜色", "紫");
        const ui::Color back = f1().backColor();
        const QString border = fg("窗口边框");
        services.queueOpenFile(QString());  // the picture item's chooser: no choice
        chooseItem(item);
        expectInterfaceFont();
        EXPECT_EQ(f1().backColor(), back);
        EXPECT_EQ(fg("窗口边框"), border);
        EXPECT_EQ(fg("界面颜色"), "紫");
        EXPECT_TRUE(settingsOpen());
        EXPECT_TRUE(pickerOpen());
        // The popup marked 紫; nothing cleared it.
        EXPECT_TRUE(f4().peise(2).checked());
        EXPECT_FALSE(f4().peise(2).enabled());
        EXPECT_FALSE(f4().peise(5).checked());
    }
}

// Item 5 with the settings window closed: the choice runs on the settings window loaded hidden for
// it, which stays hidden and shows the chosen path when it is opened.
TEST_F(SchemeTest, PictureItemLoadsTheSettingsWindowHiddenAndNeverShowsIt) {
    close(open());
    ASSERT_FALSE(settingsOpen());
    QTemporaryDir dir;
    const QString picture = dir.path() + "/skin.jpg";
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(picture, "JPEG"));
    services.queueOpenFile(picture);
    chooseItem(ColourSchemes::kSkinPictureItem);
    ASSERT_EQ(services.boxes(ShownBox::OpenFile).size(), 1u);
    Form5* w = forms::windows().existing<Form5>();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->visible());
    EXPECT_EQ(fg("界面图片"), picture);
    EXPECT_EQ(w->Text3.text(), picture);
    EXPECT_FALSE(f1().picture().isNull());
    EXPECT_EQ(open().Text3.text(), picture);
    EXPECT_TRUE(w->visible());
}

}  // namespace
