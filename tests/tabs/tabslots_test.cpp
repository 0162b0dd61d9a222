// The tab icons as a person sees them: two tabs opened by typed addresses each carry the program icon,
// 17 x 17 pixels, 50 twips right of the label's left edge, drawn whole and above the label, and the
// caption begins after it.
#include "tabs_fixture.h"

#include "support/waits.h"
#include "support/program/jobs_fixture.h"

#include <QImage>
#include <string>

namespace {

// Where a child widget lies among its siblings, bottom first.
int stackPlace(QWidget* w) { return w->parentWidget()->children().indexOf(w); }

TEST_F(TabsTest, EveryTabCarriesTheWholeProgramIconAboveItsLabel) {
    setAppSetting("标签打开", "1");
    const QStringList paths{"/pages/links.html", "/pages/form.html"};
    for (const QString& path : paths) {
        f().Text7.setText(server.urlText(path));
        f().Command1.press();
    }
    ASSERT_TRUE(waits::until([&] { return f().lv(2).caption().size() > 5 && f().lv(3).caption().size() > 5; }));
    ASSERT_EQ(f().Label9.caption(), "3");

    // The program icon as 17 x 17 pixels.
    const QImage icon = f().Image1(1).picture().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(icon.isNull());
    const QImage expected = icon.scaled(17, 17, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    for (int k : {2, 3}) {
        SCOPED_TRACE(k == 3 ? "front tab" : "background tab");
        ui::Image& image = f().Image1(k);
        ui::Label& label = f().lv(k);
        ASSERT_TRUE(image.visible());
        EXPECT_DOUBLE_EQ(image.left(), label.left() + 50);
        EXPECT_DOUBLE_EQ(image.top(), label.height() / 2 - 120);
        EXPECT_DOUBLE_EQ(image.width(), 255);
        EXPECT_DOUBLE_EQ(image.height(), 255);
        EXPECT_EQ(image.widget()->size(), QSize(17, 17));
        EXPECT_GT(stackPlace(image.widget()), stackPlace(label.widget()));

        // What the window shows there: the whole icon, scaled, over the label (the front label is opaque).
        const QImage shown = f().client()->grab(image.widget()->geometry()).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), QSize(17, 17));
        int opaque = 0;
        QStringList differing;
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 17; ++x) {
                const QRgb want = expected.pixel(x, y);
                if (qAlpha(want) < 255) continue;
                ++opaque;
                const QRgb got = shown.pixel(x, y);
                const int difference = std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                                       std::abs(qBlue(got) - qBlue(want));
                if (difference > 60) differing << QStringLiteral("%1,%2").arg(x).arg(y);
            }
        }
        EXPECT_GT(opaque, 17 * 17 / 2);
        EXPECT_TRUE(differing.isEmpty()) << differing.size() << " pixels differ from the icon, first at "
                                         << differing.value(0).toStdString();

        // The caption's text begins after the icon.
        EXPECT_GE(label.captionTextLeft(), 50 + 255) << label.caption().toStdString();
    }
}

}  // namespace

// The job BackgroundTitle of the tab slots: the label of a tab opened in the background takes the
// page's title cut as 字数 says, the job ticking on until the label has a title, and ending at once
// for a tab that is gone or closing.
namespace {

using forms::Job;

class BackgroundTitleJob : public JobsFixture {};

struct TitleCase {
    const char* name;
    const char* title;
    const char* count;  // 字数
    const char* caption;
    bool ticksOn;
};

class BackgroundTitle : public BackgroundTitleJob, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(BackgroundTitle, LabelTakesTheCutTitle) {
    const TitleCase& c = GetParam();
    setSetting("字数", QString::fromUtf8(c.count));
    const int k = openPage("");
    doc(k).setTitle(QString::fromUtf8(c.title));
    f1().lv(k).setCaption("?");
    timer(Job::BackgroundTitle).setTag(QString::number(k));
    forms::start(f1(), Job::BackgroundTitle);
    clock.advance(1000);
    EXPECT_EQ(f1().lv(k).caption(), QString::fromUtf8(c.caption));
    EXPECT_EQ(timer(Job::BackgroundTitle).enabled(), c.ticksOn);
}

INSTANTIATE_TEST_SUITE_P(
    TabSlots, BackgroundTitle,
    ::testing::Values(TitleCase{"Fits", "abcdefghij", "10", "abcdefghij", false},
                      TitleCase{"Cut", "abcdefghijk", "10", "abcdefghij…", false},
                      TitleCase{"CountNotANumber", "whole title", "", "whole title", false},
                      TitleCase{"TwoCharactersKeepTicking", "ab", "10", "ab", true},
                      TitleCase{"CountBelowTwoKeepsTicking", "abcdef", "1", "a…", true}),
    [](const ::testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.name); });

TEST_F(BackgroundTitleJob, StopsOnceItsTabIsGone) {
    // A slot that has no browser.
    timer(Job::BackgroundTitle).setTag("7");
    forms::start(f1(), Job::BackgroundTitle);
    clock.advance(1000);
    EXPECT_FALSE(timer(Job::BackgroundTitle).enabled());
    EXPECT_EQ(f1().lv(7).caption(), "H");
}

TEST_F(BackgroundTitleJob, LeavesAClosingTabAlone) {
    const int k = openPage("");
    f1().lv(k).setVisible(false);
    f1().lv(k).setCaption("?");
    timer(Job::BackgroundTitle).setTag(QString::number(k));
    forms::start(f1(), Job::BackgroundTitle);
    clock.advance(1000);
    EXPECT_EQ(f1().lv(k).caption(), "?");
    EXPECT_FALSE(timer(Job::BackgroundTitle).enabled());
}

}  // namespace
