// The skin picture page of the settings window: choosing a picture through the file chooser (the
// file's own suffix decides), removing it with a double-click, the button's hint, and a picture
// dropped on the main window while the settings window is loaded.
#include "settings_fixture.h"

#include "platform/web/document.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

const QString kRefusal = QStringLiteral("请使用 jpg/gif/bmp 图片");
const QString kRemoved = QStringLiteral("界面图片删除");
const QString kNone = QStringLiteral("空");

class SkinTest : public SettingsTest {
protected:
    // The settings window open on a started program whose home page has loaded, no skin stored.
    Form5& ready() {
        fg("界面图片", kNone);
        Form5& w = open();
        EXPECT_TRUE(waitFor([&] {
            const web::Document d = f1().WebBrowser1(1).document();
            return !d.isNull() && d.isValid() && !f1().WebBrowser1(1).busy();
        }));
        EXPECT_EQ(w.Text3.text(), kNone);
        services.clearRecords();
        return w;
    }
    // A picture file of `size` pixels under `name` (pictures are read by their content).
    QString picture(const QString& name, QSize size = QSize(8, 6), QColor colour = Qt::red) {
        const QString file = dir.path() + "/" + name;
        QDir().mkpath(QFileInfo(file).path());
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(file, "PNG"));
        return QDir::toNativeSeparators(file);
    }
    // Chooses `path` in the file chooser the button opens ("" closes it without a choice).
    void choose(Form5& w, const QString& path) {
        services.queueOpenFile(path);
        w.Command2.onClick();
    }
    // The address the home page is given for the picture file at `path`.
    static QString fileAddress(const QString& path) { return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded); }
    // How many pixels of the home page as drawn have `colour` (give or take rounding).
    int homePixels(QColor colour) {
        const QImage shown =
            f1().WebBrowser1(1).pageWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c(shown.pixel(x, y));
                if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                        std::abs(c.blue() - colour.blue()) <= 6)
                    ++n;
            }
        }
        return n;
    }
    QString homeBackground() { return f1().WebBrowser1(1).document().body().getAttribute("background"); }
    void dropOnMainWindow(const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint spot(3000 / 15, 3000 / 15);
        QDragEnterEvent enter(spot, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &enter);
        QDragMoveEvent move(spot, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &move);
        QDropEvent drop(QPointF(spot), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &drop);
    }

    QTemporaryDir dir;
};

// --- choosing -------------------------------------------------------------------------------------

struct ChoiceCase {
    const char* name;  // the file chosen, under a temporary folder
    bool accepted;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class ChoiceTable : public SkinTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChoiceTable, TheFilesOwnSuffixDecides) {
    const ChoiceCase c = GetParam();
    Form5& w = ready();
    w.setWindowState(ui::vbMinimized);
    const QString path = picture(QString::fromUtf8(c.name));
    choose(w, path);

    const std::vector<ShownBox> choosers = services.boxes(ShownBox::OpenFile);
    ASSERT_EQ(choosers.size(), 1u);
    EXPECT_EQ(choosers[0].prompt, "*.gif *.bmp *.jpg *.jpeg");
    if (c.accepted) {
        EXPECT_TRUE(services.messages().isEmpty());
        EXPECT_EQ(fg("界面图片"), path);
        EXPECT_EQ(w.Text3.text(), path);
        EXPECT_FALSE(f1().picture().isNull());
        EXPECT_EQ(homeBackground(), fileAddress(path));
        EXPECT_TRUE(indicatorShown(w));
    } else {
        EXPECT_EQ(services.messages(), QStringList{kRefusal});
        const ShownBox box = services.boxes(ShownBox::Message)[0];
        EXPECT_EQ(box.style, ui::vbExclamation);
        EXPECT_EQ(box.title, "");
        EXPECT_EQ(fg("界面图片"), kNone);
        EXPECT_EQ(w.Text3.text(), kNone);
        EXPECT_TRUE(f1().picture().isNull());
        EXPECT_EQ(homeBackground(), "");
        EXPECT_FALSE(indicatorShown(w));
    }
    // Whatever the outcome: the main window and the settings window end in the normal state.
    EXPECT_EQ(f1().windowState(), ui::vbNormal);
    EXPECT_EQ(w.windowState(), ui::vbNormal);
    EXPECT_TRUE(w.visible());
}

INSTANTIATE_TEST_SUITE_P(Files, ChoiceTable,
                         ::testing::Values(ChoiceCase{"a.jpg", true}, ChoiceCase{"B.JPEG", true},
                                           ChoiceCase{"c.gif", true}, ChoiceCase{"d.Bmp", true},
                                           ChoiceCase{"x.png.files/photo.jpg", true},
                                           ChoiceCase{"e.PNG", false}, ChoiceCase{"f.png", false},
                                           ChoiceCase{"g.tif", false}, ChoiceCase{"h.jpg.exe", false},
                                           ChoiceCase{"jpg", false}),
                         [](const ::testing::TestParamInfo<ChoiceCase>& info) {
                             std::string name;
                             for (const char* ch = info.param.name; *ch; ++ch)
                                 name += std::isalnum(static_cast<unsigned char>(*ch)) ? *ch : '_';
                             return name;
                         });

// Closing the chooser without a choice stores and shows nothing, also right after a refusal and after
// a stored choice; the settings window is set to normal all the same.
TEST_F(SkinTest, NoChoiceStoresAndShowsNothing) {
    Form5& w = ready();
    choose(w, picture("refused.png"));
    ASSERT_EQ(services.messages(), QStringList{kRefusal});
    services.clearRecords();
    w.setWindowState(ui::vbMinimized);
    choose(w, QString());
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_EQ(fg("界面图片"), kNone);
    EXPECT_EQ(w.windowState(), ui::vbNormal);

    const QString stored = picture("stored.jpg");
    choose(w, stored);
    ASSERT_EQ(fg("界面图片"), stored);
    clock.advance(2000);
    ASSERT_FALSE(indicatorShown(w));
    choose(w, QString());
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_EQ(fg("界面图片"), stored);
    EXPECT_EQ(w.Text3.text(), stored);
    EXPECT_FALSE(indicatorShown(w));
}

// A chosen path whose picture does not load (gone, or too large to show) is stored and shown in the
// box all the same; the main window keeps the picture it had, and the home page shows none: a picture
// too large to show is not handed to the page at all.
TEST_F(SkinTest, APictureThatDoesNotLoadIsStoredAndTheWindowKeepsItsPicture) {
    Form5& w = ready();
    const QString first = picture("first.jpg");
    choose(w, first);
    const QImage before = f1().picture().toImage();
    ASSERT_FALSE(before.isNull());
    const QString gone = QDir::toNativeSeparators(dir.path() + "/gone.jpg");
    const QString wide = picture("wide.jpg", QSize(16385, 1));
    const std::pair<QString, QString> cases[] = {{gone, fileAddress(gone)}, {wide, ""}};
    for (const auto& [path, background] : cases) {
        SCOPED_TRACE(path.toStdString());
        choose(w, path);
        EXPECT_EQ(fg("界面图片"), path);
        EXPECT_EQ(w.Text3.text(), path);
        EXPECT_EQ(f1().picture().toImage(), before);
        EXPECT_EQ(homeBackground(), background);
        EXPECT_EQ(f1().windowState(), ui::vbNormal);
        EXPECT_TRUE(services.messages().isEmpty());
    }
}

// --- the home page's background -------------------------------------------------------------------

// The home page really shows the chosen picture as its background, whatever characters its path
// holds: the page is given the file's address with "#", "?", "%" and the rest written as escapes, so
// none of them ends the address early or names another file. The same holds when the next start
// applies the stored picture to the home page.
class BackgroundTable : public SkinTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BackgroundTable, TheHomePageShowsThePicture) {
    const QColor colour(0x12, 0xC4, 0x7A);
    Form5& w = ready();
    ASSERT_EQ(homePixels(colour), 0);
    const QString path = picture(QString::fromUtf8(GetParam()), QSize(1600, 1200), colour);
    choose(w, path);
    ASSERT_EQ(fg("界面图片"), path);
    EXPECT_EQ(homeBackground(), fileAddress(path));
    EXPECT_TRUE(waitFor([&] { return homePixels(colour) > 10000; })) << homePixels(colour);

    stop();
    ASSERT_TRUE(start());
    EXPECT_TRUE(waitFor([&] {
        const web::Document d = f1().WebBrowser1(1).document();
        return !d.isNull() && d.isValid() && !f1().WebBrowser1(1).busy() && homePixels(colour) > 10000;
    })) << homePixels(colour);
}

INSTANTIATE_TEST_SUITE_P(Paths, BackgroundTable,
                         ::testing::Values("plain/skin.jpg", "a#b/skin.jpg", "skin#1.jpg", "what?/skin.gif",
                                           "100%/skin.bmp", "x%23y.jpg", "a%/b.jpg", "皮肤 图片/skin.jpeg"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return "path" + std::to_string(info.index);
                         });

// --- removing -------------------------------------------------------------------------------------

TEST_F(SkinTest, DoubleClickRemovesTheStoredPicture) {
    Form5& w = ready();
    const QString path = picture("skin.gif");
    choose(w, path);
    ASSERT_FALSE(f1().picture().isNull());
    clock.advance(2000);
    services.clearRecords();
    f1().setWindowState(ui::vbMinimized);

    w.Text3.onDblClick();
    EXPECT_EQ(fg("界面图片"), kNone);
    EXPECT_TRUE(f1().picture().isNull());
    EXPECT_EQ(homeBackground(), "");
    EXPECT_EQ(w.Text3.text(), kNone);
    EXPECT_TRUE(indicatorShown(w));
    EXPECT_EQ(f1().windowState(), ui::vbNormal);
    ASSERT_EQ(services.messages(), QStringList{kRemoved});
    EXPECT_EQ(services.boxes(ShownBox::Message)[0].style, ui::vbExclamation);
    EXPECT_EQ(services.boxes(ShownBox::Message)[0].title, "");

    // Showing "空", the double-click does nothing at all.
    clock.advance(2000);
    services.clearRecords();
    w.Text3.onDblClick();
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_FALSE(indicatorShown(w));
    EXPECT_EQ(fg("界面图片"), kNone);
}

// --- the hint -------------------------------------------------------------------------------------

TEST_F(SkinTest, ButtonShowsThePagesHint) {
    Form5& w = ready();
    w.Command10.onClick(3);
    w.Command2.onMouseMove(0, 0, 300, 100);
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_EQ(w.Label3.caption(), "界面图片：请使用 jpg/gif/bmp (双击文本框删除图片)");
    EXPECT_EQ(w.Picture2.top(), w.Text3.top() + 1600);
    EXPECT_EQ(w.Picture2.left(), 300 + 600);
    EXPECT_EQ(w.Picture2.width(), w.Label3.width() + 70);
}

// --- a picture dropped on the main window ----------------------------------------------------------

// A loaded settings window shows the dropped picture's path, so its double-click removes it; a
// settings window that is not loaded is not loaded for the drop.
TEST_F(SkinTest, DropWhileTheSettingsWindowIsLoadedThenRemove) {
    Form5& w = ready();
    const QString dropped = picture("dropped.jpg");
    dropOnMainWindow(dropped);
    ASSERT_EQ(fg("界面图片"), dropped);
    EXPECT_EQ(w.Text3.text(), dropped);

    w.Text3.onDblClick();
    EXPECT_EQ(fg("界面图片"), kNone);
    EXPECT_TRUE(f1().picture().isNull());
    EXPECT_EQ(services.messages(), QStringList{kRemoved});

    close(w);
    ASSERT_EQ(forms::windows().existing<Form5>(), nullptr);
    dropOnMainWindow(dropped);
    EXPECT_EQ(fg("界面图片"), dropped);
    EXPECT_EQ(forms::windows().existing<Form5>(), nullptr);
    EXPECT_EQ(open().Text3.text(), dropped);
}

}  // namespace
