// Pressing command buttons: nesting, order, and what a failing statement leaves behind.
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QStringList>

namespace {

struct Window : ui::Form {
    ui::CommandButton A{client()};
    ui::CommandButton B{client()};
    ui::CommandButton C{client()};
};

TEST(CommandPress, NestedPressRunsToItsEndBeforeThePresserGoesOn) {
    Window w;
    QStringList log;
    w.A.onClick = [&] {
        log << "A begins";
        w.B.press();
        log << "A ends";
    };
    w.B.onClick = [&] {
        log << "B begins";
        w.C.setValue(true);
        log << "B ends";
    };
    w.C.onClick = [&] { log << "C"; };

    w.A.press();

    EXPECT_EQ(log, (QStringList{"A begins", "B begins", "C", "B ends", "A ends"}));
}

TEST(CommandPress, FailingStatementLeavesEarlierWritesAndThePresserGoesOn) {
    Window w;
    QString written;
    bool presserWentOn = false;
    w.B.onClick = [&] {
        written = "first";
        w.C.setCaption(rt::guard([] { return true; }) ? "seen" : "");
        rt::raise(rt::TypeMismatch);
        written = "never";  // not reached: the command ends at the failing statement
    };
    w.A.onClick = [&] {
        w.B.press();
        presserWentOn = true;
    };

    w.A.press();

    EXPECT_EQ(written, "first");
    EXPECT_EQ(w.C.caption(), "seen");
    EXPECT_TRUE(presserWentOn);
}

TEST(CommandPress, StepSkipsOnlyTheFailingStatementInsideACommand) {
    Window w;
    QStringList log;
    w.A.onClick = [&] {
        rt::step([&] { log << "one"; });
        rt::step([&] { rt::raise(rt::SubscriptOutOfRange); });
        rt::step([&] { log << "three"; });
    };
    w.A.press();
    EXPECT_EQ(log, (QStringList{"one", "three"}));
}

TEST(CommandPress, ButtonWithoutHandlerDoesNothing) {
    Window w;
    EXPECT_NO_THROW(w.A.press());
}

TEST(CommandPress, AUserClickRunsTheSameCommand) {
    Window w;
    int runs = 0;
    w.A.onClick = [&] { ++runs; };
    w.A.move(0, 0, 1500, 450);
    static_cast<QAbstractButton*>(w.A.widget())->click();
    EXPECT_EQ(runs, 1);
}

}  // namespace
