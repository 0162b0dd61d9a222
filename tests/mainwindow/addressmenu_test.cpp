// The address-bar menu: its preparation at every popup (captions, the two mode items, the TOP list of
// the ten newest favorites) and its items (paste and open, copy, prefix, the two mode switches).
#include "support/program/program_fixture.h"
#include "support/stored_settings.h"

#include "forms/settings.h"
#include "mainwindow/addressmenu.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/controls.h"
#include "records/favoriterecord.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QWidget>
#include <QtTest/QTest>

namespace {

// Names the cases of a table by their `name` field.
struct CaseName {
    template <class P>
    std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        return info.param.name;
    }
};

class AddressMenuTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
    }
    // Pops the menu up from the address box with the right button, choosing item `index` of
    // DZYJ100 (none when 0).
    void popup(int index = 0) {
        if (index > 0)
            services.queuePopupChoice("DZYJ100", index);
        else
            services.queuePopupNone();
        f1().Text7.onMouseDown(2, 0, 0, 0);
    }
    const ui::PopupItem* shown(const QString& name, int index) {
        if (services.popups().empty()) return nullptr;
        return services.popups().back().item(name, index);
    }
    static QString line(const QString& address, const QString& id) {
        const QDateTime when(QDate(2026, 12, 1), QTime(21, 5, 33));
        return FavoriteRecord::make(when, address, id, FavoriteRecord::typedText(address)).toLine();
    }
    void writeFavorites(const QStringList& lines) { sys::writeLines(sys::appPath() + "\\txt\\网址.html", lines); }
    static QString address(int n) { return QStringLiteral("http://www.site%1.com/").arg(n); }
    static QStringList records(int count) {
        QStringList lines;
        for (int n = 1; n <= count; ++n) lines << line(address(n), QStringLiteral("0.%1").arg(n));
        return lines;
    }
    struct Top {
        QString tag, caption;
        bool visible;
    };
    Top top(int i) { return {f4().top20(i).tag(), f4().top20(i).caption(), f4().top20(i).visible()}; }
};

TEST_F(AddressMenuTest, TopListFollowsTheFavoritesFileAtEveryPopup) {
    writeFavorites(records(12));
    popup();
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(top(i).tag, address(i)) << i;
        EXPECT_EQ(top(i).caption, address(i)) << i;
        EXPECT_TRUE(top(i).visible) << i;
        ASSERT_NE(shown("top20", i), nullptr);
        EXPECT_TRUE(shown("top20", i)->visible) << i;
    }

    // The list shrinks to three records: the items past them are emptied and hidden.
    writeFavorites(records(3));
    popup();
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(top(i).visible) << i;
    for (int i = 4; i <= 10; ++i) {
        EXPECT_EQ(top(i).tag, "") << i;
        EXPECT_EQ(top(i).caption, "") << i;
        EXPECT_FALSE(top(i).visible) << i;
        EXPECT_FALSE(shown("top20", i)->visible) << i;
    }

    // It grows again: the items come back.
    writeFavorites(records(6));
    popup();
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(top(i).tag, address(i)) << i;
        EXPECT_TRUE(top(i).visible) << i;
    }
    for (int i = 7; i <= 10; ++i) EXPECT_FALSE(top(i).visible) << i;

    // No file at all: every item is empty and hidden.
    QFile::remove(path("\\txt\\网址.html"));
    popup();
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(top(i).tag, "") << i;
        EXPECT_FALSE(top(i).visible) << i;
    }
}

TEST_F(AddressMenuTest, TopItemsReadEscapedOlderAndOddRecords) {
    const QString longAddress = "http://www.example.com/" + QString(60, QLatin1Char('x'));
    const QString markup = "http://x.com/?q=\"><script>alert(1)</script> id=9";
    const QString older =
        QStringLiteral("<label>11-30-2026　晚上21:00:00</label>　<a href=javascript:; title=http://old.com/a?b=1&c=2 "
                       "id=0.77>http://old：com/a?b=1&c=2</a><br><br>");
    writeFavorites({
        line(longAddress, "0.1"),
        line(markup, "0.2"),
        older,
        line("a.b", "0.4"),
        "just some text",
        QStringLiteral("<a href=javascript:; title=http://no-id.com/>x</a>"),
        line("http://中文.com/", "0.7"),
    });
    popup();

    EXPECT_EQ(top(1).tag, longAddress);
    EXPECT_EQ(top(1).caption, longAddress.left(50));
    EXPECT_TRUE(top(1).visible);

    EXPECT_EQ(top(2).tag, markup);  // written escaped, read back whole
    EXPECT_TRUE(top(2).visible);

    EXPECT_EQ(top(3).tag, "http://old.com/a?b=1&c=2");
    EXPECT_TRUE(top(3).visible);

    EXPECT_EQ(top(4).tag, "a.b");  // three characters: kept, but hidden
    EXPECT_FALSE(top(4).visible);

    for (int i : {5, 6}) {  // no record on these lines
        EXPECT_EQ(top(i).tag, "") << i;
        EXPECT_FALSE(top(i).visible) << i;
    }

    EXPECT_EQ(top(7).tag, "http://中文.com/");
    EXPECT_TRUE(top(7).visible);
    for (int i = 8; i <= 10; ++i) EXPECT_FALSE(top(i).visible) << i;
}

TEST_F(AddressMenuTest, TopItemAfterTheGoCommandIsTheTypedAddress) {
    Form1& f = f1();
    setSetting("标签打开", "1");
    f.Text7.setText("http://127.0.0.1:1/?a=1&b=<2>");
    int key = 13;
    f.Text7.onKeyPress(key);
    popup();
    EXPECT_EQ(top(1).tag, "http://127.0.0.1:1/?a=1&b=<2>");
}

struct ModeCase {
    const char* name;
    const char* value;  // nullptr: key absent
    const char* newTabCaption;
    const char* alignCaption;
    bool checked;
};

class AddressMenuModes : public AddressMenuTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(AddressMenuModes, ModeItemsShowTheStoredModes) {
    const ModeCase c = GetParam();
    if (c.value) {
        setSetting("标签打开", c.value);
        setSetting("左边中间", c.value);
    } else {
        QFile::remove(path("\\txt\\应用.txt"));
    }
    popup();
    ASSERT_NE(shown("DZYJ100", 5), nullptr);
    EXPECT_EQ(shown("DZYJ100", 5)->caption, QString::fromUtf8(c.newTabCaption));
    EXPECT_EQ(shown("DZYJ100", 5)->checked, c.checked);
    EXPECT_EQ(shown("DZYJ100", 6)->caption, QString::fromUtf8(c.alignCaption));
    EXPECT_EQ(shown("DZYJ100", 6)->checked, c.checked);
}

INSTANTIATE_TEST_SUITE_P(Values, AddressMenuModes,
                         ::testing::Values(ModeCase{"One", "1", "标签打开", "在中间", true},
                                           ModeCase{"Zero", "0", "直接打开", "在左边", false},
                                           ModeCase{"Two", "2", "直接打开", "在左边", false},
                                           ModeCase{"Empty", "", "标签打开", "在中间", true},
                                           ModeCase{"Text", "yes", "标签打开", "在中间", true},
                                           ModeCase{"NoFile", nullptr, "标签打开", "在中间", true}),
                         CaseName());

TEST_F(AddressMenuTest, CaptionsComeFromTheMenuTextFileAtEveryPopup) {
    popup();
    EXPECT_EQ(shown("DZYJ100", 1)->caption, "粘贴打开");
    EXPECT_EQ(shown("DZYJ100", 4)->caption, "http://");

    storeText(forms::Txt::Youjian, "CNC01", "粘贴并打开");
    popup();
    EXPECT_EQ(shown("DZYJ100", 1)->caption, "粘贴并打开");

    QFile::remove(path("\\txt\\右键.txt"));
    popup();
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(shown("DZYJ100", i)->caption, "") << i;
}

TEST_F(AddressMenuTest, OnlyTheRightButtonPopsUp) {
    Form1& f = f1();
    f.Text7.onMouseDown(1, 0, 0, 0);
    f.Text7.onMouseDown(4, 0, 0, 0);
    f.Text7.onMouseDown(3, 0, 0, 0);
    EXPECT_TRUE(services.popups().empty());
    services.queuePopupNone();
    f.Text7.onMouseDown(2, 1, 50, 50);  // shift held
    services.queuePopupNone();
    f.Text7.onMouseDown(2, 2, 50, 50);  // ctrl held
    EXPECT_EQ(services.popups().size(), 2u);
    EXPECT_TRUE(f.Text7.enabled());
}

TEST_F(AddressMenuTest, RightPressInTheBoxShowsOnlyTheAddressMenu) {
    Form1& f = f1();
    f.Label2.onClick(4);
    QWidget* box = f.Text7.widget();
    services.queuePopupNone();
    QTest::mousePress(box, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_EQ(services.popups().size(), 1u);
    EXPECT_TRUE(f.Text7.enabled());

    // The window system follows the press with a request for the box's own edit menu, which must not
    // come up over the address menu that was just shown.
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(box, &request);
    QWidget* editMenu = QApplication::activePopupWidget();
    if (editMenu) editMenu->close();
    QTest::mouseRelease(box, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(editMenu, nullptr);

    // Asked for from the keyboard, the box's own edit menu still comes.
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(box, &key);
    editMenu = QApplication::activePopupWidget();
    EXPECT_NE(editMenu, nullptr);
    if (editMenu) editMenu->close();
}

TEST_F(AddressMenuTest, EditingGoesOnInTheBoxAfterTheMenu) {
    Form1& f = f1();
    QWidget* window = f.widget();
    window->activateWindow();
    QApplication::processEvents();
    f.Label2.onClick(4);
    QWidget* box = f.Text7.widget();
    ASSERT_EQ(window->focusWidget(), box);

    // Closed without a choice, or after an item that leaves the box shown: the focus is back in the box.
    for (int choice : {0, 3, 4, 5, 6}) {
        if (choice > 0)
            services.queuePopupChoice("DZYJ100", choice);
        else
            services.queuePopupNone();
        QTest::mousePress(box, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(box, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_TRUE(f.Text7.enabled()) << choice;
        EXPECT_EQ(window->focusWidget(), box) << choice;
    }

    // From the address label the box stays hidden and takes no focus.
    f.onClick();
    ASSERT_FALSE(f.Text7.visible());
    services.queuePopupNone();
    f.Label2.onMouseDown(4, 2, 0, 10, 10);
    EXPECT_FALSE(f.Text7.visible());
    EXPECT_NE(window->focusWidget(), box);
}

TEST_F(AddressMenuTest, PasteAndOpenRunsTheGoCommandWithTheClipboardText) {
    Form1& f = f1();
    QStringList ran;
    f.Command1.onClick = nullptr;  // the test takes the slot over from its owner
    f.Command1.onClick = [&] {
        ran << f.Text7.text() + (f.Text7.visible() ? " shown" : " hidden") + (f.Text7.enabled() ? "" : " disabled");
    };
    f.Text7.setText("old");
    f.Text7.setVisible(true);
    services.setClipboard("http://www.pasted.com/");
    popup(1);
    EXPECT_EQ(ran, QStringList{"http://www.pasted.com/ hidden disabled"});
    EXPECT_TRUE(f.Text7.enabled());
    EXPECT_EQ(f.Label2(4).caption(), "www.pasted.com");
}

TEST_F(AddressMenuTest, PasteAndOpenWithAnEmptyClipboardIsRefused) {
    services.setClipboard("");
    popup(1);
    EXPECT_EQ(f1().Text7.text(), "");
    EXPECT_EQ(services.messages(), QStringList{"网址不是正确的，不能打开"});
}

TEST_F(AddressMenuTest, CopyPutsTheBoxTextOnTheClipboard) {
    Form1& f = f1();
    services.setClipboard("old");
    f.Text7.setText("http://copy.me/");
    popup(3);
    EXPECT_EQ(services.clipboard(), "http://copy.me/");
    EXPECT_EQ(f.Text7.text(), "http://copy.me/");
}

TEST_F(AddressMenuTest, PrefixItemPutsItsCaptionIntoTheBox) {
    Form1& f = f1();
    f.Text7.setText("http://www.a.com/");
    f.Text7.setVisible(false);
    popup(4);
    EXPECT_EQ(f.Text7.text(), "http://");
    EXPECT_EQ(f.Label2(4).caption(), "");
    EXPECT_FALSE(f.Text7.visible());
}

TEST_F(AddressMenuTest, NewTabItemSwitchesTheSetting) {
    QFile::remove(path("\\txt\\应用.txt"));
    popup(5);
    EXPECT_EQ(setting("标签打开"), "0");
    popup(5);
    EXPECT_EQ(setting("标签打开"), "1");
    popup(5);
    EXPECT_EQ(setting("标签打开"), "0");
    setSetting("标签打开", "7");
    popup(5);
    EXPECT_EQ(setting("标签打开"), "1");
}

struct AlignCase {
    const char* name;
    const char* before;
    const char* after;
    int alignment;
};

class AddressMenuAlign : public AddressMenuTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(AddressMenuAlign, AlignmentItemSwitchesBoxAndLabelAtOnce) {
    const AlignCase c = GetParam();
    setSetting("左边中间", c.before);
    popup(6);
    EXPECT_EQ(setting("左边中间"), c.after);
    EXPECT_EQ(f1().Text7.alignment(), c.alignment);
    EXPECT_EQ(f1().Label2(4).alignment(), c.alignment);
}

INSTANTIATE_TEST_SUITE_P(Values, AddressMenuAlign,
                         ::testing::Values(AlignCase{"CentredToLeft", "1", "0", ui::vbLeftJustify},
                                           AlignCase{"LeftToCentred", "0", "1", ui::vbCenter},
                                           AlignCase{"OtherNumberToCentred", "3", "1", ui::vbCenter},
                                           AlignCase{"EmptyToLeft", "", "0", ui::vbLeftJustify}),
                         CaseName());

}  // namespace
