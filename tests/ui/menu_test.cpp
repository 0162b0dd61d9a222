// Menus: the popup runs the chosen handler before it returns, and what a person saw is recorded.
#include "platform/rt/error.h"
#include "platform/ui/menu.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace {

struct Menus {
    Menus() {
        for (int i = 1; i <= 3; ++i) X100.add(top, i, QString("item%1").arg(i));
        top.append(sep);
        ui::Menu& parent = X100.add(top, 4, "more");
        for (int i = 0; i <= 2; ++i) Y100.add(parent, i, QString("sub(&%1)").arg(i));
        top.append(single);
    }
    ui::Menu top{"top", "Top"};
    ui::MenuArray X100{"X100"};
    ui::Menu sep{"sep", "-"};
    ui::MenuArray Y100{"Y100"};
    ui::Menu single{"single", "Single"};
};

TEST(Popup, TheChosenItemsHandlerRunsBeforeThePopupReturns) {
    ScriptedServices s;
    Menus m;
    std::vector<int> ran;
    m.X100.onClick = [&](int index) { ran.push_back(index); };
    s.queuePopupChoice("X100", 2);
    const bool chosen = ui::popupMenu(m.top);
    // the handler already ran when popupMenu returned
    EXPECT_TRUE(chosen);
    EXPECT_EQ(ran, std::vector<int>{2});
}

TEST(Popup, ChoiceByCaptionReachesSubmenuItemsAndSingleItems) {
    ScriptedServices s;
    Menus m;
    std::vector<int> sub;
    int single = 0;
    m.Y100.onClick = [&](int index) { sub.push_back(index); };
    m.single.onClick = [&] { ++single; };
    s.queuePopupCaption("sub(1)");  // the access-key marker does not matter
    s.queuePopupCaption("Single");
    ui::popupMenu(m.top);
    ui::popupMenu(m.top);
    EXPECT_EQ(sub, std::vector<int>{1});
    EXPECT_EQ(single, 1);
}

TEST(Popup, DismissedMenuRunsNothing) {
    ScriptedServices s;
    Menus m;
    int runs = 0;
    m.X100.onClick = [&](int) { ++runs; };
    s.queuePopupNone();
    EXPECT_FALSE(ui::popupMenu(m.top));
    EXPECT_FALSE(ui::popupMenu(m.top));  // empty queue: no choice
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(s.popups().size(), 2u);
}

TEST(Popup, DisabledHiddenAndSubmenuItemsCanNotBeChosen) {
    ScriptedServices s;
    Menus m;
    int runs = 0;
    m.X100.onClick = [&](int) { ++runs; };
    m.Y100.onClick = [&](int) { ++runs; };
    m.X100(1).setEnabled(false);
    m.X100(2).setVisible(false);
    m.X100(4).setEnabled(false);  // its submenu can not be opened
    s.queuePopupChoice("X100", 1);
    s.queuePopupChoice("X100", 2);
    s.queuePopupChoice("X100", 4);
    s.queuePopupChoice("Y100", 0);
    for (int i = 0; i < 4; ++i) ui::popupMenu(m.top);
    EXPECT_EQ(runs, 0);
}

TEST(Popup, EveryPopupIsRecordedWithTheStateOfItsItemsAtThatMoment) {
    ScriptedServices s;
    Menus m;
    m.X100(3).setChecked(true);
    m.X100(3).setEnabled(false);
    m.X100(1).setCaption("first");
    ui::popupMenu(m.top);
    m.X100(3).setChecked(false);  // later changes do not touch the record
    ASSERT_EQ(s.popups().size(), 1u);
    const ShownPopup& p = s.popups()[0];
    EXPECT_EQ(p.menu.name, "top");
    EXPECT_EQ(p.captions(),
              (QStringList{"first", "item2", "item3", "-", "more", "sub(&0)", "sub(&1)", "sub(&2)", "Single"}));
    const ui::PopupItem* third = p.item("X100", 3);
    ASSERT_TRUE(third);
    EXPECT_TRUE(third->checked);
    EXPECT_FALSE(third->enabled);
    EXPECT_TRUE(p.item("sep", -1)->isSeparator());
}

TEST(Popup, AHandlerMayChangeTheMenuItCameFrom) {
    ScriptedServices s;
    Menus m;
    m.X100.onClick = [&](int index) { m.X100(index).setCaption("done"); };
    s.queuePopupChoice("X100", 1);
    ui::popupMenu(m.top);
    EXPECT_EQ(m.X100(1).caption(), "done");
}

TEST(MenuArray, AddressingAMissingItemFails) {
    Menus m;
    try {
        m.X100(9);
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), rt::ControlArrayElementMissing);
    }
}

TEST(MenuArray, LoadedItemsFollowTheLastItemOfTheArrayAndCanBeUnloaded) {
    Menus m;
    m.Y100.load(3).setCaption("new");
    const auto& items = m.Y100(0).parent()->items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items.back()->caption(), "new");
    m.Y100.unload(3);
    EXPECT_EQ(m.Y100(0).parent()->items().size(), 3u);
    EXPECT_THROW(m.Y100.unload(0), rt::RuntimeError);  // made with the menu
}

}  // namespace
