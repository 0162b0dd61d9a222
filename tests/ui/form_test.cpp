// Forms: geometry in twips, the resize handler, load, show and unload.
#include "support/error_of.h"
#include "platform/ui/form.h"
#include "platform/ui/twips.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <QWindow>
#include <QtTest/QTest>

namespace {

TEST(Form, ASizeChangeByCodeRunsTheResizeHandlerBeforeTheSetterReturns) {
    ui::Form f;
    double seenWidth = 0;
    int runs = 0;
    f.onResize = [&] {
        ++runs;
        seenWidth = f.width();
    };
    f.setWidth(9007);
    EXPECT_EQ(runs, 1);
    EXPECT_DOUBLE_EQ(seenWidth, 9007);
}

TEST(Form, ASubPixelSizeChangeStillRunsTheResizeHandlerAndReadsBackExactly) {
    ui::Form f;
    f.move(0, 0, 9000, 6000);
    int runs = 0;
    f.onResize = [&] { ++runs; };
    f.setWidth(9001);  // less than a pixel
    EXPECT_EQ(runs, 1);
    EXPECT_DOUBLE_EQ(f.width(), 9001);
    f.setLeft(30);  // a move without a size change
    EXPECT_EQ(runs, 1);
}

TEST(Form, ResizeHandlerThatEnforcesAMinimumRunsNested) {
    ui::Form f;
    std::vector<double> widths;
    f.onResize = [&] {
        widths.push_back(f.width());
        if (f.width() < 9000) f.setWidth(9000);
    };
    f.setWidth(8000);
    EXPECT_EQ(widths, (std::vector<double>{8000, 9000}));
    EXPECT_DOUBLE_EQ(f.width(), 9000);
}

TEST(Form, AResizeOfTheNativeWindowArrivesWhateverSizeItsEventCarries) {
    ui::Form f;
    f.move(0, 0, 9000, 6000);
    f.show();
    QCoreApplication::processEvents();
    int runs = 0;
    f.onResize = [&] { ++runs; };
    // Two resizes in a row: the events that come may carry the first size while the window already
    // has the second.
    f.widget()->windowHandle()->resize(650, 450);
    f.widget()->windowHandle()->resize(700, 480);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_GE(runs, 1);
    EXPECT_EQ(f.widget()->size(), QSize(700, 480));
    EXPECT_DOUBLE_EQ(f.width(), 700 * ui::kTwipsPerPixel);
    EXPECT_DOUBLE_EQ(f.height(), 480 * ui::kTwipsPerPixel);
}

TEST(Form, TheMinimumSizeReachesTheNativeWindowAndANativeResizeStopsThere) {
    ui::Form f;
    f.move(0, 0, 9000, 6000);
    f.setMinimumSize(7000, 4001);  // rounded up to whole pixels
    f.show();
    EXPECT_DOUBLE_EQ(f.minimumWidth(), 7000);
    EXPECT_EQ(f.widget()->windowHandle()->minimumSize(), QSize(467, 267));
    f.widget()->resize(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.widget()->size(), QSize(467, 267));
    EXPECT_DOUBLE_EQ(f.width(), 467 * ui::kTwipsPerPixel);
    EXPECT_DOUBLE_EQ(f.height(), 267 * ui::kTwipsPerPixel);
    // A size set by code below it is what the resize handler sees first (the handler enlarges).
    double seen = 0;
    f.onResize = [&] {
        if (seen == 0) seen = f.width();
    };
    f.setWidth(5000);
    EXPECT_DOUBLE_EQ(seen, 5000);
}

TEST(Form, AResizeByTheWindowSystemArrivesThroughTheSameHandler) {
    ui::Form f;
    f.move(0, 0, 9000, 6000);
    f.show();
    int runs = 0;
    f.onResize = [&] { ++runs; };
    f.widget()->resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_GE(runs, 1);
    EXPECT_DOUBLE_EQ(f.width(), 700 * ui::kTwipsPerPixel);
    EXPECT_DOUBLE_EQ(f.height(), 500 * ui::kTwipsPerPixel);
}

TEST(Form, LoadRunsOnceAndShowLoadsFirst) {
    ui::Form f;
    QStringList log;
    f.onLoad = [&] { log << "load"; };
    f.onResize = [&] { log << "resize"; };
    f.load();
    f.load();
    EXPECT_FALSE(f.visible());
    f.show();
    f.show();
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(log, (QStringList{"load", "resize"}));
}

TEST(Form, UnloadCanBeCancelledByItsHandler) {
    ui::Form f;
    f.show();
    int cancelWith = 1;
    f.onUnload = [&](int& cancel) { cancel = cancelWith; };
    EXPECT_FALSE(f.unload());
    EXPECT_TRUE(f.visible());
    EXPECT_FALSE(f.closed());
    cancelWith = 0;
    EXPECT_TRUE(f.unload());
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(f.closed());
}

TEST(Form, MinimiseAndRestoreRunTheResizeHandler) {
    ui::Form f;
    f.show();
    int runs = 0;
    f.onResize = [&] { ++runs; };
    f.setWindowState(ui::vbMinimized);
    EXPECT_EQ(f.windowState(), ui::vbMinimized);
    f.setWindowState(ui::vbNormal);
    EXPECT_EQ(f.windowState(), ui::vbNormal);
    EXPECT_EQ(runs, 2);
}

TEST(Form, MouseEventsOnTheBackgroundCarryButtonBitsAndTwips) {
    ui::Form f;
    f.move(0, 0, 6000, 4500);
    f.show();
    std::vector<std::tuple<int, double, double>> downs;
    int clicks = 0;
    f.onMouseDown = [&](int button, int, double x, double y) { downs.emplace_back(button, x, y); };
    f.onClick = [&] { ++clicks; };
    QTest::mouseClick(f.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    QTest::mouseClick(f.widget(), Qt::MiddleButton, Qt::NoModifier, QPoint(1, 2));
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0], std::make_tuple(1, 150.0, 300.0));
    EXPECT_EQ(std::get<0>(downs[1]), 4);
    EXPECT_EQ(clicks, 1);
}

}  // namespace

TEST(Form, FixedSingleBorderKeepsTheSizeCodeSets) {
    ui::Form f(false);
    f.move(0, 0, 3000, 1500);
    f.setBorderStyle(1);
    EXPECT_EQ(f.widget()->minimumSize(), f.widget()->maximumSize());
    EXPECT_EQ(f.widget()->maximumSize(), QSize(200, 100));
    EXPECT_FALSE(f.widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    f.move(0, 0, 4500, 3000);
    EXPECT_EQ(f.widget()->maximumSize(), QSize(300, 200));
    EXPECT_EQ(f.width(), 4500);
    f.setBorderStyle(2);
    EXPECT_EQ(f.widget()->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    ui::Form borderless;
    EXPECT_EQ(errorOf([&] { borderless.setBorderStyle(1); }), 380);
}
