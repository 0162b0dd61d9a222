// Event slots: one owner per slot, conflicts recorded (never thrown), clearing, copies and dispatch.
#include "platform/rt/error.h"
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/handler.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

class HandlerTest : public ::testing::Test {
protected:
    void SetUp() override { ui::clearHandlerConflicts(); }
    void TearDown() override { ui::clearHandlerConflicts(); }
};

TEST_F(HandlerTest, AnEmptySlotIsFalseAndTakesItsFirstHandlerQuietly) {
    ui::Handler<int(int)> slot{"Test.onValue"};
    EXPECT_FALSE(slot);
    EXPECT_STREQ(slot.description(), "Test.onValue");
    slot = [](int x) { return x * 2; };
    EXPECT_TRUE(slot);
    EXPECT_EQ(slot(21), 42);
    EXPECT_TRUE(ui::handlerConflicts().isEmpty());
}

// Each way of setting a slot that holds a handler already: recorded once with the slot's name, the
// new handler takes the slot (as before), nothing is thrown.
TEST_F(HandlerTest, SettingAHeldSlotIsRecordedAndTheNewHandlerTakesIt) {
    using Slot = ui::Handler<int()>;
    const std::function<void(Slot&)> secondSets[] = {
        [](Slot& s) { s = [] { return 2; }; },
        [](Slot& s) { s = std::function<int()>([] { return 2; }); },
        [](Slot& s) {
            Slot other;
            other = [] { return 2; };
            s = other;
        },
        [](Slot& s) {
            Slot other;
            other = [] { return 2; };
            s = std::move(other);
        },
    };
    for (const auto& secondSet : secondSets) {
        ui::clearHandlerConflicts();
        Slot slot{"Test.onPick"};
        slot = [] { return 1; };
        EXPECT_NO_THROW(secondSet(slot));
        EXPECT_EQ(ui::handlerConflicts(), QStringList{"Test.onPick"});
        EXPECT_EQ(slot(), 2);
    }
}

TEST_F(HandlerTest, ClearingThenSettingIsNoConflict) {
    ui::Handler<void()> slot{"Test.onClick"};
    int first = 0, second = 0;
    slot = [&] { ++first; };
    slot = nullptr;
    EXPECT_FALSE(slot);
    slot = [&] { ++second; };
    slot();
    // An empty function clears as nullptr does.
    slot = std::function<void()>();
    EXPECT_FALSE(slot);
    slot = [&] { ++second; };
    slot();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 2);
    EXPECT_TRUE(ui::handlerConflicts().isEmpty());
}

TEST_F(HandlerTest, ACopyIsNoSecondOwnerAndRestoringASavedHandlerIntoAClearedSlotIsFine) {
    ui::Handler<void()> slot{"Test.onClick"};
    QStringList ran;
    slot = [&] { ran << "owner"; };
    ui::Handler<void()> saved = slot;  // a copy
    EXPECT_STREQ(saved.description(), "Test.onClick");
    slot = nullptr;
    slot = [&] { ran << "borrowed"; };
    slot();
    slot = nullptr;
    slot = saved;
    slot();
    saved();
    EXPECT_EQ(ran, (QStringList{"borrowed", "owner", "owner"}));
    EXPECT_TRUE(ui::handlerConflicts().isEmpty());
}

TEST_F(HandlerTest, CallingAnEmptySlotFailsAsAnEmptyFunctionDoes) {
    ui::Handler<void()> slot;
    EXPECT_THROW(slot(), std::bad_function_call);
}

TEST_F(HandlerTest, ReferenceArgumentsAndResultsPassThrough) {
    ui::Handler<bool(int& cancel, const QString& text)> slot;
    slot = [](int& cancel, const QString& text) {
        cancel = text.size();
        return text == "keep";
    };
    int cancel = 0;
    EXPECT_TRUE(slot(cancel, "keep"));
    EXPECT_EQ(cancel, 4);
}

TEST_F(HandlerTest, DispatchRunsACopySoAHandlerMayReplaceItself) {
    ui::Handler<void(int)> slot{"Test.onStep"};
    QStringList ran;
    slot = [&](int n) {
        slot = nullptr;
        slot = [&](int m) { ran << QString("second %1").arg(m); };
        ran << QString("first %1").arg(n);
    };
    EXPECT_TRUE(ui::dispatch(slot, 1));
    EXPECT_TRUE(ui::dispatch(slot, 2));
    EXPECT_EQ(ran, (QStringList{"first 1", "second 2"}));
    // A runtime error escaping the handler ends it only.
    slot = nullptr;
    slot = [](int) { rt::raise(rt::TypeMismatch); };
    EXPECT_FALSE(ui::dispatch(slot, 3));
    EXPECT_TRUE(ui::handlerConflicts().isEmpty());
}

TEST_F(HandlerTest, AConflictInsideAStatementDoesNotSkipIt) {
    ui::Handler<void()> slot{"Test.onClick"};
    slot = [] {};
    bool after = false;
    EXPECT_TRUE(rt::step([&] {
        slot = [] {};
        after = true;
    }));
    EXPECT_TRUE(after);
    EXPECT_EQ(ui::handlerConflicts().size(), 1);
}

struct Window : ui::Form {
    Window() {
        for (int i = 1; i <= 2; ++i) Command2.add(i, client());
    }
    ui::CommandButton Command1{client()};
    ui::ControlArray<ui::CommandButton> Command2{"Command2"};
};

TEST_F(HandlerTest, ControlFormAndArraySlotsHaveOneOwnerEach) {
    Window w;
    QStringList ran;
    w.Command1.onClick = [&] { ran << "1"; };
    w.Command2.onClick = [&](int index) { ran << QString("2(%1)").arg(index); };
    w.onLoad = [&] { ran << "load"; };
    EXPECT_TRUE(ui::handlerConflicts().isEmpty());
    w.Command1.press();
    w.Command2(2).press();
    w.load();
    EXPECT_EQ(ran, (QStringList{"1", "2(2)", "load"}));

    // The array forwards its items' clicks: the array is the items' owner.
    w.Command2(1).onClick = [&] { ran << "item"; };
    w.Command1.onClick = [&] { ran << "again"; };
    w.onLoad = [] {};
    w.Command2.onClick = [](int) {};
    EXPECT_EQ(ui::handlerConflicts(),
              (QStringList{"Control.onClick", "Control.onClick", "Form.onLoad", "ControlArray.onClick"}));
}

TEST_F(HandlerTest, ItemsLoadedLaterAreForwardedWithoutConflict) {
    Window w;
    QStringList ran;
    w.Command2.onClick = [&](int index) { ran << QString::number(index); };
    w.Command2.load(5);
    w.Command2(5).press();
    w.Command2.unload(5);
    w.Command2.load(5);
    w.Command2(5).press();
    EXPECT_EQ(ran, (QStringList{"5", "5"}));
    EXPECT_TRUE(ui::handlerConflicts().isEmpty());
}

}  // namespace
