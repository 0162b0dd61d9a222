// The favorites window: its page (numbered, styled from the settings, records shown as text), the
// hover colours, moving the window by the page, opening a record by its link, and the edit menu on a
// record (copy, open in the front tab, change text and address, delete, the three colours).
#include "favorites_fixture.h"

#include "platform/sys/windows.h"
#include "platform/ui/menu.h"
#include "records/favoritesmenu.h"
#include "records/favoriteswindow.h"

#include <QDir>

namespace {

struct CaseName {
    template <class P>
    std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        return info.param.name;
    }
};

class FavoritesWindowTest : public FavoritesTest {
protected:
    // The state of a bianji100 item in the last popup shown.
    const ui::PopupItem* shownItem(int index) {
        if (services.popups().empty()) return nullptr;
        return services.popups().back().item("bianji100", index);
    }
    std::vector<sys::SystemMoveRequest> movesOf(Form13& w) {
        std::vector<sys::SystemMoveRequest> out;
        for (const sys::SystemMoveRequest& r : sys::systemMoveRequests())
            if (r.window == w.hWnd()) out.push_back(r);
        return out;
    }
};

// --- the page ------------------------------------------------------------------------------------

TEST_F(FavoritesWindowTest, LabelsAreNumberedFromTheCountOfLinks) {
    writeFavorites(records(12));
    Form13& w = showFavorites();
    ASSERT_EQ(doc(w).getElementsByTagName("label").size(), 12);
    EXPECT_TRUE(label(w, 0).innerText().startsWith(QString::fromUtf8("012. 01-02-2026　早上08:00:00")))
        << label(w, 0).innerText().toStdString();
    EXPECT_TRUE(label(w, 9).innerText().startsWith("003. "));
    EXPECT_TRUE(label(w, 11).innerText().startsWith("001. "));
    EXPECT_EQ(linkTexts(w).first(), QString::fromUtf8("记录12"));
    EXPECT_EQ(w.records().size(), 12);
}

TEST_F(FavoritesWindowTest, NumbersOfFourDigitsAreNotWritten) {
    QStringList lines;
    for (int n = 1001; n >= 1; --n) lines << line(QStringLiteral("http://s%1.cn/").arg(n), QStringLiteral("0.%1").arg(n));
    writeFavorites(lines);
    Form13& w = showFavorites();
    const QList<web::Element> labels = doc(w).getElementsByTagName("label");
    ASSERT_EQ(labels.size(), 1001);
    EXPECT_TRUE(labels[0].innerText().startsWith("01-02-2026")) << "1001";
    EXPECT_TRUE(labels[1].innerText().startsWith("01-02-2026")) << "1000";
    EXPECT_TRUE(labels[2].innerText().startsWith("999. "));
    EXPECT_TRUE(labels[1000].innerText().startsWith("001. "));
}

TEST_F(FavoritesWindowTest, StylesTakeTheFontAndColoursWithoutLettingThemOut) {
    setFgSetting("字体", "Noto \"Sans\" CJK");
    setFgSetting("时间颜色", "rgb(1, 2, 3);");                        // a hand-edited value
    setFgSetting("网址颜色", "#0000FF}</style><img id=injected src=x>");  // can not end the style element
    writeFavorites(records(2));
    Form13& w = showFavorites();
    const web::Document d = doc(w);
    EXPECT_EQ(d.body().styleProperty("border-top-style"), "none");
    const QList<web::Element> styles = d.body().getElementsByTagName("style");
    ASSERT_EQ(styles.size(), 2);
    EXPECT_EQ(styles[0].getAttribute("type"), "text/css");
    EXPECT_EQ(styles[0].styleSheetText(),
              "label{font-family:\"Noto \\\"Sans\\\" CJK\";font-size:15px;color:rgb(1, 2, 3)}");
    EXPECT_EQ(styles[1].styleSheetText(),
              "a{font-family:\"Noto \\\"Sans\\\" CJK\";font-size:15px;color:#0000FF/style>img id=injected src=x>;"
              "text-Decoration:none}");
    EXPECT_TRUE(d.getElementById("injected").isNull());
    EXPECT_EQ(d.evaluate("getComputedStyle(document.getElementsByTagName('label')[0]).color"), "rgb(1, 2, 3)");
    EXPECT_EQ(d.evaluate("getComputedStyle(document.getElementsByTagName('label')[0]).fontFamily"),
              "'Noto \"Sans\" CJK'");
    EXPECT_EQ(d.evaluate("getComputedStyle(document.getElementsByTagName('a')[0]).fontSize"), "15px");
}

TEST_F(FavoritesWindowTest, MarkupInARecordShowsAsTextAndLoadsNothing) {
    const QString picture = server.urlText("/pixel.png");
    const QString markup = "<img src=" + picture + "><b>bold</b>";
    writeFavorites({
        line(page("/a", "a"), "0.1", markup),
        // An older line, unescaped, without markup: read as it stands.
        olderLine(server.urlText("/old?x=1&y=2"), "0.2", QString::fromUtf8("旧的记录")),
    });
    Form13& w = showFavorites();
    EXPECT_EQ(linkTexts(w), (QStringList{markup, QString::fromUtf8("旧的记录")}));
    EXPECT_EQ(doc(w).getElementsByTagName("img").size(), 0);
    EXPECT_EQ(link(w, 1).getAttribute("title"), server.urlText("/old?x=1&y=2"));
    settle();
    EXPECT_TRUE(server.requestsFor("/pixel.png").isEmpty());
}

TEST_F(FavoritesWindowTest, KeptPageTitledWithMarkupShowsItsTitleAsText) {
    const QString title = "<img src=" + server.urlText("/pixel") + ">";
    openTabs({page("/titled", title)});
    services.queuePopupChoice("caidan100", 1);
    f1().onMouseDown(ui::vbRightButton, 0, 0, 0);
    ASSERT_EQ(FavoriteRecord::fromLine(favorites().value(0)).text, title);

    Form13& w = showFavorites();
    EXPECT_EQ(linkTexts(w), QStringList{title});
    EXPECT_EQ(doc(w).getElementsByTagName("img").size(), 0);
    settle();
    EXPECT_TRUE(server.requestsFor("/pixel").isEmpty());
}

TEST_F(FavoritesWindowTest, HoveredLinkTakesTheTargetColourUntilThePointerLeavesForAnotherElement) {
    writeFavorites(records(3));
    Form13& w = showFavorites();
    const web::Element a0 = link(w, 0), a1 = link(w, 1);
    moveTo(w, a0);
    EXPECT_EQ(a0.styleProperty("color"), "rgb(255, 0, 0)");
    EXPECT_EQ(a0.styleProperty("text-decoration"), "underline");
    // Another link: it takes the colour too; the first keeps it.
    moveTo(w, a1);
    EXPECT_EQ(a1.styleProperty("color"), "rgb(255, 0, 0)");
    EXPECT_EQ(a0.styleProperty("color"), "rgb(255, 0, 0)");
    // A label: every link is reset.
    moveTo(w, label(w, 2));
    for (const web::Element& a : doc(w).getElementsByTagName("a")) {
        EXPECT_EQ(a.styleProperty("color"), "rgb(0, 0, 255)");
        EXPECT_EQ(a.styleProperty("text-decoration"), "none");
    }
}

TEST_F(FavoritesWindowTest, DragsTheWindowFromTheBackgroundButNotFromARecord) {
    writeFavorites(records(2));
    Form13& w = showFavorites();
    struct Case {
        const char* name;
        std::function<QPoint()> where;
        Qt::MouseButton button;
        bool moves;
    };
    const std::vector<Case> cases = {
        {"label", [&] { return centre(label(w, 0)); }, Qt::LeftButton, true},
        {"background", [&] { return QPoint(w.WebBrowser1.pageWidget()->width() - 20, w.WebBrowser1.pageWidget()->height() - 20); },
         Qt::LeftButton, true},
        {"record link", [&] { return centre(link(w, 1)); }, Qt::LeftButton, false},
        {"right button on a label", [&] { return centre(label(w, 0)); }, Qt::RightButton, false},
    };
    for (const Case& c : cases) {
        sys::systemMoveRequests().clear();
        mouse(w, QEvent::MouseButtonPress, c.where(), c.button, c.button);
        const auto moves = movesOf(w);
        mouse(w, QEvent::MouseButtonRelease, c.where(), c.button, Qt::NoButton);
        if (c.moves) {
            ASSERT_EQ(moves.size(), 1u) << c.name;
            EXPECT_EQ(moves[0].hitTest, 2) << c.name;
        } else {
            EXPECT_TRUE(moves.empty()) << c.name;
        }
    }
    services.queuePopupNone();
    EXPECT_FALSE(w.LHTML.ondragstart(web::DocumentEvent{})) << "nothing is dragged out of the page";
}

// --- opening a record ----------------------------------------------------------------------------

TEST_F(FavoritesWindowTest, ClickedRecordOpensInANewTabWithTheHeader) {
    setSetting("UA", "1");
    const QString target = page("/target", "target") + "?a=1&b=2";
    writeFavorites({line(address(1), "0.1"), line(target, "0.2")});
    Form13& w = showFavorites();
    f1().Command8.setTag("5");
    f1().setWindowState(ui::vbMinimized);

    clickOn(w, link(w, 1));

    ASSERT_TRUE(requested("/target"));
    EXPECT_EQ(server.requestsFor("/target").first().path, "/target?a=1&b=2");
    EXPECT_EQ(server.requestsFor("/target").first().header("user-agent"), "ZelvaroTest/1.0 (favorites)");
    EXPECT_EQ(forms::frontSlot(f1()), 2);
    EXPECT_EQ(f1().Command8.tag(), "0");
    EXPECT_EQ(f1().windowState(), ui::vbNormal);
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_TRUE(server.requestsFor("/r/1").isEmpty()) << "only the clicked record opens";
    // Clicking beside the links opens nothing.
    clickOn(w, label(w, 0));
    settle();
    EXPECT_EQ(f1().WebBrowser1.ubound(), 2);
}

TEST_F(FavoritesWindowTest, ClickWithAFreeLowerSlotOpensThereWithoutAsking) {
    QStringList tabs;
    for (int k = 2; k <= 10; ++k) tabs << page(QStringLiteral("/tab%1").arg(k), QStringLiteral("tab%1").arg(k));
    openTabs(tabs);
    // Tab 3 closes through the tab menu; slot 10 stays loaded.
    services.queuePopupChoice("BQYJ100", 1);
    f1().lv(3).onMouseDown(ui::vbRightButton, 0, 0, 0);
    clock.advance(200);
    ASSERT_LE(f1().lv(3).caption().size(), 1);
    ASSERT_EQ(f1().WebBrowser1.ubound(), 10);

    const QString target = page("/target", "target");
    writeFavorites({line(target, "0.1")});
    Form13& w = showFavorites();
    services.clearRecords();
    clickOn(w, link(w, 0));

    ASSERT_TRUE(waitFor([&] { return slotAddress(3) == target; }));
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join(", ").toStdString();
    EXPECT_EQ(slotAddress(2), tabs[0]) << "the page in tab 2 stays";
}

struct CyclingCase {
    const char* name;
    int answer;
    bool opens;
};

class ClickCyclingTable : public FavoritesWindowTest, public ::testing::WithParamInterface<CyclingCase> {};

TEST_P(ClickCyclingTable, EveryTabTakenAsksFirst) {
    const CyclingCase& c = GetParam();
    setSetting("UA", "1");
    QStringList tabs;
    for (int k = 2; k <= 10; ++k) tabs << page(QStringLiteral("/tab%1").arg(k), QStringLiteral("tab%1").arg(k));
    openTabs(tabs);
    writeFavorites({line(page("/target", "target"), "0.1")});
    Form13& w = showFavorites();
    services.clearRecords();
    services.queueMsgBoxAnswer(c.answer);

    clickOn(w, link(w, 0));

    ASSERT_EQ(services.messages(), QStringList{QString::fromUtf8("第九个标签已满，即将从第一个标签开始..")});
    if (c.opens) {
        ASSERT_TRUE(requested("/target"));
        EXPECT_EQ(server.requestsFor("/target").first().header("user-agent"), "ZelvaroTest/1.0 (favorites)");
        EXPECT_EQ(forms::frontSlot(f1()), 2);
    } else {
        settle();
        EXPECT_TRUE(server.requestsFor("/target").isEmpty());
        EXPECT_EQ(slotAddress(2), tabs[0]);
        EXPECT_EQ(f1().WebBrowser1.ubound(), 10);
    }
}

INSTANTIATE_TEST_SUITE_P(Favorites, ClickCyclingTable,
                         ::testing::Values(CyclingCase{"Yes", ui::vbYes, true}, CyclingCase{"No", ui::vbNo, false}),
                         CaseName());

TEST_F(FavoritesWindowTest, NewWindowsThePageAsksForAreCancelled) {
    writeFavorites(records(1));
    Form13& w = showFavorites();
    web::WebBrowser* chosen = nullptr;
    bool cancel = false;
    w.WebBrowser1.onNewWindow2(chosen, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(chosen, nullptr);
    settle();
    EXPECT_EQ(f1().WebBrowser1.ubound(), 1) << "no link was clicked: nothing opens";
}

// --- the edit menu -------------------------------------------------------------------------------

TEST_F(FavoritesWindowTest, RecordItemsAreOfferedOnlyOverARecord) {
    writeFavorites(records(2));
    Form13& w = showFavorites();
    struct Case {
        const char* name;
        std::function<web::Element()> element;
        bool recordItems;
    };
    const std::vector<Case> cases = {
        {"record link", [&] { return link(w, 0); }, true},
        {"label", [&] { return label(w, 0); }, false},
        {"record link again", [&] { return link(w, 1); }, true},
    };
    for (const Case& c : cases) {
        f1().Command8.setTag("5");
        rightClickOn(w, c.element());
        ASSERT_FALSE(services.popups().empty()) << c.name;
        for (int i = 0; i <= 4; ++i) {
            ASSERT_NE(shownItem(i), nullptr) << c.name << " " << i;
            EXPECT_EQ(shownItem(i)->enabled, c.recordItems) << c.name << " " << i;
        }
        for (int i = 6; i <= 8; ++i) EXPECT_TRUE(shownItem(i)->enabled) << c.name << " " << i;
        EXPECT_EQ(f1().Command8.tag(), "0") << c.name;
    }
    EXPECT_EQ(services.popups().size(), cases.size()) << "the engine's own menu never shows";
}

TEST_F(FavoritesWindowTest, CopyPutsTheRecordsAddressOnTheClipboard) {
    const QString target = server.urlText("/copy?a=1&b= 2");
    writeFavorites({line(address(1), "0.1"), line(target, "0.2")});
    Form13& w = showFavorites();
    services.setClipboard("old");
    rightClickOn(w, link(w, 1), 0);
    EXPECT_EQ(services.clipboard(), target);
}

struct OpenCase {
    const char* name;
    bool tab;            // a tab in front
    bool poppedOut;      // the front tab's player popped out
    const char* message; // "" when it opens
};

class DirectOpenTable : public FavoritesWindowTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(DirectOpenTable, OpensInTheFrontTabUnlessRefused) {
    const OpenCase& c = GetParam();
    setSetting("UA", "1");
    const QString target = page("/direct", "direct");
    if (c.tab) openTabs({page("/front", "front")});
    if (c.poppedOut) f1().Command7.setTag(QString::number(forms::frontSlot(f1())) + ".5");
    writeFavorites({line(target, "0.1")});
    Form13& w = showFavorites();
    services.clearRecords();
    rightClickOn(w, link(w, 0), 1);
    if (QString::fromUtf8(c.message).isEmpty()) {
        ASSERT_TRUE(requested("/direct"));
        EXPECT_EQ(server.requestsFor("/direct").first().header("user-agent"), "ZelvaroTest/1.0 (favorites)");
        EXPECT_TRUE(waitFor([&] { return slotAddress(2) == target; }));
        EXPECT_EQ(f1().WebBrowser1.ubound(), 2) << "no new tab";
        EXPECT_TRUE(services.messages().isEmpty());
    } else {
        EXPECT_EQ(services.messages(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(services.boxes().back().style, ui::vbCritical);
        settle();
        EXPECT_TRUE(server.requestsFor("/direct").isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Favorites, DirectOpenTable,
                         ::testing::Values(OpenCase{"FrontTab", true, false, ""},
                                           OpenCase{"HomeSlot", false, false, "没有正在浏览的标签，不能直接打开"},
                                           OpenCase{"PoppedOut", true, true, "窗口独立运行中，不能直接打开"}),
                         CaseName());

struct EditCase {
    const char* name;
    int item;             // 2 text, 3 address
    const char* answer;   // "=" stands for the old value
    const char* message;  // "" for none
    bool changes;
};

class EditTable : public FavoritesWindowTest, public ::testing::WithParamInterface<EditCase> {};

// The record's address holds its text, as a typed address with a dot does ("x.cn/abc" shows
// "x：cn/abc"): a change of one leaves the other as it was.
TEST_P(EditTable, ChangesOnlyTheRecordsOwnPiece) {
    const EditCase& c = GetParam();
    const QString address = QStringLiteral("http://x.cn/abc?abc");
    const QString text = QStringLiteral("abc");
    const QString other = line(address + "2", "0.2", "abc");
    const QString older = olderLine(address, "0.1", text);
    writeFavorites({other, older});
    Form13& w = showFavorites();
    const web::Document before = doc(w);
    const QString old = c.item == 2 ? text : address;
    const QString answer = QString::fromUtf8(c.answer) == "=" ? old : QString::fromUtf8(c.answer);
    services.queueInput(answer);

    rightClickOn(w, link(w, 1), c.item);

    const auto inputs = services.boxes(ShownBox::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].prompt, c.item == 2 ? QString::fromUtf8("标题") : QString::fromUtf8("连接"));
    EXPECT_EQ(inputs[0].title, QString::fromUtf8("修改"));
    EXPECT_EQ(inputs[0].defaultText, old);
    EXPECT_DOUBLE_EQ(inputs[0].x, 1920 * 15 / 2.6);
    EXPECT_DOUBLE_EQ(inputs[0].y, 1080 * 15 / 2.0);
    if (QString::fromUtf8(c.message).isEmpty()) {
        EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join(", ").toStdString();
    } else {
        EXPECT_EQ(services.messages(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(services.boxes().back().style, ui::vbCritical);
    }
    if (!c.changes) {
        EXPECT_EQ(favorites(), (QStringList{other, older}));
        settle();
        EXPECT_TRUE(before.isValid()) << "no reload";
        return;
    }
    const QStringList now = favorites();
    ASSERT_EQ(now.size(), 2);
    EXPECT_EQ(now[0], other);
    const FavoriteRecord changed = FavoriteRecord::fromLine(now[1]);
    EXPECT_EQ(changed.id, "0.1");
    EXPECT_EQ(changed.label, QString::fromUtf8("11-30-2025　下午15:00:00"));
    EXPECT_EQ(changed.address, c.item == 3 ? answer : address);
    EXPECT_EQ(changed.text, c.item == 2 ? answer : text);
    EXPECT_EQ(w.records(), now);
    ASSERT_TRUE(reloaded(w, before));
    EXPECT_EQ(link(w, 1).innerText(), changed.text);
    EXPECT_EQ(link(w, 1).getAttribute("title"), changed.address);
    settle();
    EXPECT_TRUE(server.requestsFor("/pixel").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Favorites, EditTable,
    ::testing::Values(
        EditCase{"TextSame", 2, "=", "", false}, EditCase{"TextEmpty", 2, "", "", false},
        EditCase{"TextWithDot", 2, "a.b", "标题不允许[ . ]符号", false},
        EditCase{"TextOneCharacter", 2, "x", "最少2个字", false}, EditCase{"Text", 2, "新的 abc 标题", "", true},
        EditCase{"TextWithMarkup", 2, "<img src=/pixel>看", "", true},
        EditCase{"AddressSame", 3, "=", "", false}, EditCase{"AddressThreeCharacters", 3, "a.b", "最少4个字", false},
        EditCase{"Address", 3, "http://y.cn/abc?q=1&r=\"2\" id=9", "", true}),
    CaseName());

TEST_F(FavoritesWindowTest, EditOfARecordThatIsGoneFromTheListSaysSo) {
    struct Case {
        int item;
        const char* message;
    };
    for (const Case& c : {Case{2, "修改失败，标题可能包含无法识别的字符"}, Case{3, "修改失败，连接可能包含无法识别的字符"}}) {
        writeFavorites({line(address(1), "0.1"), line(address(2), "0.2")});
        Form13& w = showFavorites();
        // The mirror no longer holds the record the page shows.
        w.List1.removeItem(1);
        const QStringList mirror = w.records();
        services.clearRecords();
        services.queueInput("changed");
        rightClickOn(w, link(w, 1), c.item);
        EXPECT_EQ(services.messages(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(w.records(), mirror);
        EXPECT_EQ(favorites().size(), 2) << "nothing written";
        w.unload();
    }
}

// An edit or a delete that cannot be written says so and names the file; the file keeps its records
// and the page shows them as they stand.
TEST_F(FavoritesWindowTest, ChangeThatCannotBeWrittenSaysSo) {
    for (const int item : {2, 4}) {
        const QStringList before = {line(address(1), "0.1"), line(address(2), "0.2")};
        writeFavorites(before);
        Form13& w = showFavorites();
        QFile file(sys::nativePath(favoritesPath()));
        ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        services.clearRecords();
        if (item == 2) services.queueInput("改过的标题");
        else services.queueMsgBoxAnswer(ui::vbYes);
        rightClickOn(w, link(w, 1), item);
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
        const QStringList messages = services.messages();
        ASSERT_FALSE(messages.isEmpty()) << item;
        EXPECT_TRUE(messages.last().startsWith(FavoritesMenu::kNotWritten)) << messages.last().toStdString();
        EXPECT_TRUE(messages.last().endsWith(sys::nativePath(favoritesPath())));
        EXPECT_EQ(services.boxes().back().style, ui::vbCritical);
        EXPECT_EQ(favorites(), before) << item;
        w.unload();
    }
}

struct DeleteCase {
    const char* name;
    int answer;
    bool present;  // the record is in the mirror
    bool removed;
    bool reloads;
};

class DeleteTable : public FavoritesWindowTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTable, DeletesAfterYes) {
    const DeleteCase& c = GetParam();
    writeFavorites(records(4));
    Form13& w = showFavorites();
    if (!c.present) w.List1.removeItem(1);
    const web::Document before = doc(w);
    services.queueMsgBoxAnswer(c.answer);
    rightClickOn(w, link(w, 1), 4);
    ASSERT_EQ(services.boxes(ShownBox::Message).size(), 1u);
    EXPECT_EQ(services.messages(), QStringList{QString::fromUtf8("删除 [ 记录3 ]")});
    EXPECT_EQ(services.boxes()[0].style, ui::vbYesNo + ui::vbQuestion);
    EXPECT_EQ(favorites().size(), c.removed ? 3 : 4);
    if (c.removed) {
        EXPECT_EQ(FavoriteRecord::indexOfId(favorites(), "0.3"), -1);
    }
    if (c.reloads) {
        ASSERT_TRUE(reloaded(w, before));
        EXPECT_EQ(linkTexts(w).size(), c.removed ? 3 : 4);
        // The numbers of the records above drop by one.
        EXPECT_TRUE(label(w, 0).innerText().startsWith(c.removed ? "003. " : "004. "));
    } else {
        settle();
        EXPECT_TRUE(before.isValid());
    }
}

INSTANTIATE_TEST_SUITE_P(Favorites, DeleteTable,
                         ::testing::Values(DeleteCase{"Yes", ui::vbYes, true, true, true},
                                           DeleteCase{"No", ui::vbNo, true, false, false},
                                           DeleteCase{"YesButGone", ui::vbYes, false, false, true}),
                         CaseName());

struct ColourCase {
    const char* name;
    int item;
    const char* key;
    const char* prompt;
    const char* answer;
    const char* message;
    bool written;
    bool reloads;
};

class ColourTable : public FavoritesWindowTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(ColourTable, ColoursAreAskedWithTheirExampleAndWritten) {
    const ColourCase& c = GetParam();
    writeFavorites(records(2));
    Form13& w = showFavorites();
    const QString key = QString::fromUtf8(c.key);
    const QString old = fgSetting(key);
    const web::Document before = doc(w);
    services.queueInput(QString::fromUtf8(c.answer) == "=" ? old : QString::fromUtf8(c.answer));
    // Over a label: the colour items need no record.
    rightClickOn(w, label(w, 0), c.item);
    const auto inputs = services.boxes(ShownBox::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].prompt, QString::fromUtf8(c.prompt));
    EXPECT_EQ(inputs[0].title, QString::fromUtf8("修改"));
    EXPECT_EQ(inputs[0].defaultText, old);
    EXPECT_EQ(services.messages(), QString::fromUtf8(c.message).isEmpty() ? QStringList() : QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(fgSetting(key), c.written ? QString::fromUtf8(c.answer) : old);
    if (c.reloads) {
        ASSERT_TRUE(reloaded(w, before));
    } else {
        settle();
        EXPECT_TRUE(before.isValid());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Favorites, ColourTable,
    ::testing::Values(
        ColourCase{"Labels", 6, "时间颜色",
                   "时间颜色(&1) ( 灰色 )\r\n\r\n名称  十六进制  十进制\r\n\r\nGray  #808080   RGB(128,128,128)", "green", "",
                   true, true},
        ColourCase{"Links", 7, "网址颜色",
                   "网址颜色(&2) ( 蓝色 )\r\n\r\n名称  十六进制  十进制\r\n\r\nBlue  #0000FF   RGB(0,0,255)", "#00FF00", "",
                   true, true},
        ColourCase{"Hovered", 8, "目标颜色",
                   "目标颜色(&3) ( 红色 )\r\n\r\n名称  十六进制  十进制\r\n\r\nRed   #FF0000   RGB(255,0,0)", "lime", "",
                   true, false},
        ColourCase{"TooShort", 6, "时间颜色",
                   "时间颜色(&1) ( 灰色 )\r\n\r\n名称  十六进制  十进制\r\n\r\nGray  #808080   RGB(128,128,128)", "ab",
                   "最少3个字", false, false},
        ColourCase{"Same", 7, "网址颜色",
                   "网址颜色(&2) ( 蓝色 )\r\n\r\n名称  十六进制  十进制\r\n\r\nBlue  #0000FF   RGB(0,0,255)", "=", "", false,
                   false}),
    CaseName());

TEST_F(FavoritesWindowTest, ColoursApplyToThePageAndTheNextHover) {
    writeFavorites(records(2));
    Form13& w = showFavorites();
    web::Document before = doc(w);
    services.queueInput("rgb(0, 128, 0)");
    rightClickOn(w, label(w, 0), 6);
    ASSERT_TRUE(reloaded(w, before));
    EXPECT_EQ(doc(w).evaluate("getComputedStyle(document.getElementsByTagName('label')[0]).color"), "rgb(0, 128, 0)");

    before = doc(w);
    services.queueInput("rgb(0, 0, 128)");
    rightClickOn(w, label(w, 0), 7);
    ASSERT_TRUE(reloaded(w, before));
    EXPECT_EQ(doc(w).evaluate("getComputedStyle(document.getElementsByTagName('a')[0]).color"), "rgb(0, 0, 128)");

    // The hovered-link colour: no reload, the next hover takes it.
    before = doc(w);
    services.queueInput("rgb(128, 0, 0)");
    rightClickOn(w, label(w, 0), 8);
    moveTo(w, link(w, 0));
    EXPECT_TRUE(before.isValid());
    EXPECT_EQ(link(w, 0).styleProperty("color"), "rgb(128, 0, 0)");
    moveTo(w, label(w, 1));
    EXPECT_EQ(link(w, 0).styleProperty("color"), "rgb(0, 0, 128)");
}

TEST_F(FavoritesWindowTest, OtherItemsReloadThePage) {
    writeFavorites(records(2));
    Form13& w = showFavorites();
    const web::Document before = doc(w);
    forms::form14().bianji100.onClick(5);
    EXPECT_TRUE(reloaded(w, before));
}

}  // namespace
