// The favorites list's commands: 收藏 of the main menu (the keep command: which page it keeps, the
// cap, the refusals, the messages) and the TOP list of the address menu (opening a record in a new
// tab, the check mark).
#include "favorites_fixture.h"

#include "platform/rt/gbk.h"
#include "platform/ui/menu.h"
#include "records/favoriteslist.h"

#include <QDir>

namespace {

// Names the cases of a table by their `name` field.
struct CaseName {
    template <class P>
    std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        return info.param.name;
    }
};

class FavoritesListTest : public FavoritesTest {
protected:
    // 收藏 chosen from the main menu, popped up by the right button on the window's background.
    void keep() {
        services.queuePopupChoice("caidan100", 1);
        f1().onMouseDown(ui::vbRightButton, 0, 0, 0);
    }
    // A TOP item chosen from the address menu, popped up by the right button in the address box.
    void openTop(int i) {
        services.queuePopupChoice("top20", i);
        f1().Text7.onMouseDown(ui::vbRightButton, 0, 0, 0);
    }
    std::vector<int> checkedTop() {
        std::vector<int> out;
        for (int i = 1; i <= 10; ++i)
            if (f4().top20(i).checked()) out.push_back(i);
        return out;
    }
};

// --- the keep command ----------------------------------------------------------------------------

struct KeepCase {
    const char* name;
    bool tabInFront;
    const char* addressBox;
    const char* address;  // expected; "%1" stands for the kept page's address
    const char* text;     // expected
};

class KeepTable : public FavoritesListTest, public ::testing::WithParamInterface<KeepCase> {};

TEST_P(KeepTable, KeepsThePageInFrontOnTopOfTheList) {
    const KeepCase& c = GetParam();
    const QString older = line(address(1), "0.1");
    writeFavorites({older});
    const QString kept = page("/kept", QString::fromUtf8("收藏的<页>"));
    if (c.tabInFront) openTabs({kept});
    f1().Text7.setText(QString::fromUtf8(c.addressBox));
    services.setNow(QDateTime(QDate(2026, 12, 8), QTime(0, 30, 5)));
    rt::setRandomSequence({0.7055475f});

    keep();

    const QString expectedAddress = QString::fromUtf8(c.address).arg(kept);
    const QString expected = FavoriteRecord::make(QDateTime(QDate(2026, 12, 8), QTime(0, 30, 5)), expectedAddress,
                                                  "0.7055475", QString::fromUtf8(c.text))
                                 .toLine();
    EXPECT_TRUE(expected.contains(QString::fromUtf8("转钟00:30:05")));
    EXPECT_EQ(favoritesBytes(), rt::toGbk(expected + "\r\n" + older + "\r\n"));
    EXPECT_EQ(services.messages(), QStringList{FavoritesList::kKept});
    EXPECT_EQ(services.boxes().back().style, ui::vbInformation);
    EXPECT_EQ(services.boxes().back().title, "");
    Form13* w = favoritesWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->visible()) << "keeping loads the window without showing it";
    EXPECT_EQ(w->records(), (QStringList{expected, older}));
    // The window's page shows the new list.
    ASSERT_TRUE(waitFor([&] {
        try {
            return pageReady(*w) && doc(*w).getElementsByTagName("a").size() == 2;
        } catch (...) {
            return false;
        }
    }));
    EXPECT_EQ(link(*w, 0).getAttribute("title"), expectedAddress);
    EXPECT_EQ(link(*w, 0).innerText(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Favorites, KeepTable,
    ::testing::Values(KeepCase{"TabInFront", true, "", "%1", "收藏的<页>"},
                      KeepCase{"HomeSlotInFront", false, "www.home.cn/a?b=1&c=<2>", "www.home.cn/a?b=1&c=<2>", "没有标题"}),
    CaseName());

TEST_F(FavoritesListTest, KeepWithoutAnAddressWritesNothing) {
    const QStringList before = {line(address(1), "0.1")};
    writeFavorites(before);
    f1().Text7.setText("");  // the home slot in front, an empty address box
    keep();
    EXPECT_EQ(services.messages(), QStringList{FavoritesList::kNoAddress});
    EXPECT_EQ(services.boxes().back().style, ui::vbCritical);
    EXPECT_EQ(favorites(), before);
    EXPECT_EQ(favoritesWindow()->records(), before);
}

struct CapCase {
    const char* name;
    int records;
    int after;
    const char* message;
};

class KeepCapTable : public FavoritesListTest, public ::testing::WithParamInterface<CapCase> {};

TEST_P(KeepCapTable, ListStopsAt501) {
    const CapCase& c = GetParam();
    QStringList lines;
    for (int i = 0; i < c.records; ++i) lines << line(QStringLiteral("http://site%1.cn/").arg(i), QStringLiteral("0.%1").arg(i + 1));
    writeFavorites(lines);
    f1().Text7.setText("www.kept.cn");
    keep();
    EXPECT_EQ(favorites().size(), c.after);
    EXPECT_EQ(FavoriteRecord::addressOf(favorites().value(0)), c.after > c.records ? "www.kept.cn" : "http://site0.cn/");
    EXPECT_EQ(services.messages(), QStringList{QString::fromUtf8(c.message)});
}

INSTANTIATE_TEST_SUITE_P(Favorites, KeepCapTable,
                         ::testing::Values(CapCase{"With500", 500, 501, "收藏完成(ALT+A)"},
                                           CapCase{"With501", 501, 501, "500条记录了，不能添加"}),
                         CaseName());

TEST_F(FavoritesListTest, KeepIntoAReadOnlyFileSaysSoAndNotDone) {
    const QStringList before = {line(address(1), "0.1")};
    writeFavorites(before);
    QFile file(sys::nativePath(favoritesPath()));
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    f1().Text7.setText("www.kept.cn");
    keep();
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_TRUE(services.messages()[0].startsWith(FavoritesList::kNotWritten)) << services.messages()[0].toStdString();
    EXPECT_EQ(services.boxes().back().style, ui::vbCritical);
    EXPECT_EQ(favorites(), before);
    // The record waits in the mirror for the next rewrite.
    EXPECT_EQ(FavoriteRecord::addressOf(favoritesWindow()->List1.list(0)), "www.kept.cn");
}

TEST_F(FavoritesListTest, OtherMainMenuItemsKeepNothing) {
    const QStringList before = {line(address(1), "0.1")};
    writeFavorites(before);
    f4().caidan100.onClick(2);
    EXPECT_EQ(favorites(), before);
    EXPECT_TRUE(services.messages().isEmpty());
}

// --- the TOP list --------------------------------------------------------------------------------

TEST_F(FavoritesListTest, TopItemOpensTheWholeAddressInANewTabAndTakesTheMark) {
    setSetting("UA", "1");
    const QString withAmpersand = page("/top", "top") + "?a=1&b=2&c=" + QString(60, QLatin1Char('x'));
    writeFavorites({line(address(1), "0.1"), line(withAmpersand, "0.2")});
    f4().top20(1).setChecked(true);

    openTop(2);

    // The caption shows "&" as itself; the tag keeps the address.
    EXPECT_EQ(f4().top20(2).tag(), withAmpersand);
    EXPECT_EQ(f4().top20(2).caption(), withAmpersand.left(50).replace("&", "&&"));
    ASSERT_TRUE(requested("/top"));
    EXPECT_EQ(server.requestsFor("/top").first().path.toStdString(),
              ("/top?a=1&b=2&c=" + QString(60, QLatin1Char('x'))).toStdString());
    EXPECT_EQ(server.requestsFor("/top").first().header("user-agent"), "ZelvaroTest/1.0 (favorites)");
    EXPECT_EQ(forms::frontSlot(f1()), 2);
    EXPECT_EQ(checkedTop(), std::vector<int>{2});
}

struct CyclingCase {
    const char* name;
    int answer;
    bool opens;
};

class TopCyclingTable : public FavoritesListTest, public ::testing::WithParamInterface<CyclingCase> {};

TEST_P(TopCyclingTable, EveryTabTakenAsksFirst) {
    const CyclingCase& c = GetParam();
    setSetting("UA", "1");
    QStringList tabs;
    for (int k = 2; k <= 10; ++k) tabs << page(QStringLiteral("/tab%1").arg(k), QStringLiteral("tab%1").arg(k));
    openTabs(tabs);
    const QString target = page("/top", "top");
    writeFavorites({line(target, "0.1")});
    f4().top20(3).setChecked(true);
    services.clearRecords();
    services.queueMsgBoxAnswer(c.answer);

    openTop(1);

    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_EQ(services.boxes()[0].title, QString::fromUtf8("标签循环"));
    if (c.opens) {
        ASSERT_TRUE(requested("/top"));
        EXPECT_EQ(server.requestsFor("/top").first().header("user-agent"), "ZelvaroTest/1.0 (favorites)");
        EXPECT_EQ(forms::frontSlot(f1()), 2);
        EXPECT_EQ(checkedTop(), std::vector<int>{1});
    } else {
        settle();
        EXPECT_TRUE(server.requestsFor("/top").isEmpty());
        EXPECT_EQ(slotAddress(2), tabs[0]);
        EXPECT_EQ(checkedTop(), std::vector<int>{3});
    }
}

INSTANTIATE_TEST_SUITE_P(Favorites, TopCyclingTable,
                         ::testing::Values(CyclingCase{"Yes", ui::vbYes, true}, CyclingCase{"No", ui::vbNo, false}),
                         CaseName());

}  // namespace
