// Control arrays: addressing, loading, unloading and the per-item wiring.
#include "support/error_of.h"
#include "support/waits.h"
#include "platform/rt/error.h"
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QtTest/QTest>

namespace {

struct Window : ui::Form {
    Window() {
        for (int i = 2; i <= 4; ++i) {
            auto& l = lv.add(i, client());
            l.setCaption(QString("L%1").arg(i));
            l.move(100.0 * i, 200, 600, 300);
        }
        lv(2).setFontName("Arial");
        lv(2).setFontSize(14);
        lv(2).setTag("t");
    }
    ui::ControlArray<ui::Label> lv{"lv"};
    ui::ControlArray<ui::CommandButton> Command2{"Command2"};
};

TEST(ControlArray, AddressingAnItemThatIsNotLoadedFailsOnlyThatStatement) {
    Window w;
    QStringList done;
    const bool ok1 = rt::step([&] { w.lv(3).setCaption("changed"); });
    const bool ok2 = rt::step([&] { w.lv(7).setCaption("nobody"); });
    const bool ok3 = rt::step([&] { done << w.lv(4).caption(); });
    EXPECT_TRUE(ok1);
    EXPECT_FALSE(ok2);
    EXPECT_TRUE(ok3);
    EXPECT_EQ(w.lv(3).caption(), "changed");
    EXPECT_EQ(done, QStringList{"L4"});
    EXPECT_EQ(errorOf([&] { w.lv(7); }), rt::ControlArrayElementMissing);
}

TEST(ControlArray, BoundsAndCount) {
    Window w;
    EXPECT_EQ(w.lv.lbound(), 2);
    EXPECT_EQ(w.lv.ubound(), 4);
    EXPECT_EQ(w.lv.count(), 3);
    EXPECT_TRUE(w.lv.exists(3));
    EXPECT_FALSE(w.lv.exists(5));
}

TEST(ControlArray, LoadCopiesTheFirstItemAndStartsHidden) {
    Window w;
    ui::Label& item = w.lv.load(7);
    EXPECT_FALSE(item.visible());
    EXPECT_EQ(item.index(), 7);
    EXPECT_EQ(item.name(), "lv");
    EXPECT_EQ(item.widget()->parentWidget(), w.lv(2).widget()->parentWidget());
    EXPECT_DOUBLE_EQ(item.left(), 200);
    EXPECT_DOUBLE_EQ(item.top(), 200);
    EXPECT_DOUBLE_EQ(item.width(), 600);
    EXPECT_DOUBLE_EQ(item.height(), 300);
    EXPECT_EQ(item.fontName(), w.lv(2).fontName());
    EXPECT_DOUBLE_EQ(item.fontSize(), 14);
    EXPECT_EQ(item.caption(), "L2");
    EXPECT_EQ(item.tag(), "t");
    EXPECT_EQ(w.lv.ubound(), 7);
}

TEST(ControlArray, LoadOfAnIndexInUseFails) {
    Window w;
    EXPECT_EQ(errorOf([&] { w.lv.load(3); }), 360);
}

TEST(ControlArray, UnloadRemovesARunTimeItemAtOnceAndItsWidgetLater) {
    Window w;
    w.lv.load(5).setVisible(true);
    QPointer<QWidget> widget = w.lv(5).widget();
    w.lv.unload(5);
    EXPECT_FALSE(w.lv.exists(5));
    EXPECT_EQ(w.lv.ubound(), 4);
    ASSERT_TRUE(widget);  // still there until the event is over
    EXPECT_TRUE(widget->isHidden());
    waits::settle(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(widget);
    EXPECT_EQ(errorOf([&] { w.lv(5); }), rt::ControlArrayElementMissing);
}

TEST(ControlArray, UnloadFromInsideTheItemsOwnEventIsSafe) {
    Window w;
    w.show();
    ui::Label& item = w.lv.load(6);
    item.setVisible(true);
    item.zOrder(0);
    QStringList log;
    w.lv.onMouseUp = [&](int index, int, int, double, double) {
        log << QString("up %1").arg(index);
        w.lv.unload(index);  // the item whose event is running goes away
    };
    w.lv.onClick = [&](int index) { log << QString("click %1").arg(index); };
    QTest::mouseClick(item.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_FALSE(w.lv.exists(6));
    EXPECT_EQ(log, QStringList{"up 6"});  // nothing of the unloaded item runs after it went
    waits::settle(1);
}

TEST(ControlArray, AnUnloadedItemRaisesNoMoreEvents) {
    Window w;
    w.show();
    ui::Label& item = w.lv.load(5);
    item.setVisible(true);
    int clicks = 0;
    w.lv.onClick = [&](int) { ++clicks; };
    QPointer<QWidget> widget = item.widget();
    w.lv.unload(5);
    ASSERT_TRUE(widget);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(clicks, 0);
    w.lv.load(5);  // a new item at the same index is a control of its own
    EXPECT_FALSE(w.lv(5).visible());
}

TEST(ControlArray, ItemsMadeWithTheFormCanNotBeUnloaded) {
    Window w;
    EXPECT_EQ(errorOf([&] { w.lv.unload(2); }), 362);
    EXPECT_EQ(errorOf([&] { w.lv.unload(9); }), rt::ControlArrayElementMissing);
    EXPECT_TRUE(w.lv.exists(2));
}

TEST(ControlArray, ItemSetupRunsForExistingAndLaterItems) {
    Window w;
    std::vector<int> seen;
    w.lv.setItemSetup([&](int index, ui::Label& item) {
        seen.push_back(index);
        item.setTag(QString::number(index * 10));
    });
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 4}));
    w.lv.load(8);
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 8}));
    EXPECT_EQ(w.lv(8).tag(), "80");
}

TEST(ControlArray, EventsReachTheArrayWithTheIndexFirst) {
    Window w;
    w.client()->resize(800, 600);
    w.show();
    std::vector<std::pair<int, int>> downs;
    std::vector<int> clicks;
    w.lv.onMouseDown = [&](int index, int button, int, double, double) { downs.push_back({index, button}); };
    w.lv.onClick = [&](int index) { clicks.push_back(index); };
    w.lv(3).setVisible(true);
    w.lv(3).zOrder(0);
    QTest::mouseClick(w.lv(3).widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mousePress(w.lv(3).widget(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(w.lv(3).widget(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{3, 1}, {3, 2}}));
    EXPECT_EQ(clicks, std::vector<int>{3});  // the right button makes no click
}

TEST(ControlArray, PressingAnItemOfAButtonArrayRunsTheArrayHandler) {
    Window w;
    w.Command2.add(11, w.client());
    w.Command2.add(12, w.client());
    std::vector<int> pressed;
    w.Command2.onClick = [&](int index) { pressed.push_back(index); };
    w.Command2(12).press();
    w.Command2(11).setValue(true);
    EXPECT_EQ(pressed, (std::vector<int>{12, 11}));
}

TEST(ControlArray, TimerArraysCarryTheirState) {
    ui::ControlArray<ui::Timer> timers{"Timer4"};
    timers.add(0, nullptr).setInterval(3000);
    timers(0).setEnabled(false);
    ui::Timer& loaded = timers.load(1);
    EXPECT_EQ(loaded.interval(), 3000);
    EXPECT_FALSE(loaded.enabled());
}

}  // namespace
