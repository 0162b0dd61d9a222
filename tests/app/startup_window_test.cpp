// The start of the program with a program folder and a home changed by hand: window icons of any size
// and a picture bomb, stored window rectangles that lie off every screen or hold wrapped or huge
// values, a tab height beyond any screen, a home without a desktop folder; and the User-Agent of a
// navigation that sets none.
#include "app_fixture.h"
#include "support/stored_settings.h"

#include "platform/ui/loadpicture.h"
#include "support/http_server.h"

#include <QBuffer>
#include <QIcon>
#include <QImage>
#include <QRectF>
#include <QWidget>
#include <QtEndian>

#include <functional>

namespace {

// The CRC of a PNG chunk (type and data).
quint32 pngCrc(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        crc ^= static_cast<quint8>(ch);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

QByteArray pngChunk(const char* type, const QByteArray& data) {
    QByteArray body = QByteArray(type, 4) + data;
    QByteArray out(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), out.data());
    out += body;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(pngCrc(body), crc.data());
    return out + crc;
}

// A small PNG file that declares a picture of `side` x `side` grey pixels: a picture bomb (its data
// ends early; a reader that decodes it first asks for the memory of the whole picture).
QByteArray pictureBomb(int side) {
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(side), header.data());
    qToBigEndian<quint32>(static_cast<quint32>(side), header.data() + 4);
    header[8] = 8;  // bit depth
    header[9] = 0;  // grey
    QByteArray rows = qCompress(QByteArray(64 * 1024, '\0'));
    rows = rows.mid(4);  // qCompress puts the length first; the rest is a zlib stream
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", rows) +
           pngChunk("IEND", QByteArray());
}

// A PNG file of a picture `side` pixels square, in one colour.
QByteArray pngPicture(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(QColor(30, 144, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An icon file of one picture `side` pixels square.
QByteArray icoPicture(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "ICO");
    return bytes;
}

int largestSide(const QIcon& icon) {
    int side = 0;
    for (const QSize& s : icon.availableSizes()) side = std::max({side, s.width(), s.height()});
    if (side == 0 && !icon.isNull()) {
        const QPixmap p = icon.pixmap(QSize(100000, 100000));
        side = std::max(p.width(), p.height());
    }
    return side;
}

class StartupWindowTest : public AppTest {
protected:
    void replaceFile(const QString& tail, const QByteArray& bytes) {
        QFile f(folder.path() + tail);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QRectF windowRect() { return QRectF(f1().left(), f1().top(), f1().width(), f1().height()); }
};

// ---------------------------------------------------------------------------------------------
// The window and tab icon `pifu/0.ico`: any size is shown at most 256 pixels; a picture too large to
// decode is treated as a missing one, and the start goes on without a message.

TEST_F(StartupWindowTest, WindowIconOfAnySizeOrAPictureBomb) {
    struct Case {
        const char* name;
        std::function<QByteArray()> file;
        bool shown;   // the window and the tab icon show a picture
        int side;     // the largest side of the window icon and the tab picture
    };
    const Case cases[] = {
        {"icon file of 64 px", [] { return icoPicture(64); }, true, 64},
        {"picture of 1024 px", [] { return pngPicture(1024); }, true, 256},
        {"picture of 4096 px", [] { return pngPicture(4096); }, true, 256},
        {"picture bomb of 30000 px", [] { return pictureBomb(30000); }, false, 0},
        {"not a picture", [] { return QByteArray("GIF89a? not really"); }, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        services.clearRecords();
        replaceFile("/pifu/0.ico", c.file());
        ASSERT_TRUE(start());
        Form1& f = f1();
        EXPECT_EQ(!f.client()->windowIcon().isNull(), c.shown);
        EXPECT_EQ(largestSide(f.client()->windowIcon()), c.side);
        const QPixmap tab = f.Image1(1).picture();
        EXPECT_EQ(!tab.isNull(), c.shown);
        EXPECT_EQ(std::max(tab.width(), tab.height()), c.side);
        // The load went on: the caption is set and the home page is there; nothing was said.
        EXPECT_EQ(f.caption(), setting("软件命名"));
        EXPECT_TRUE(services.messages().isEmpty());
        // A tab opened now carries the same picture in its 255 x 255 twips.
        f.Command24.press();
        ASSERT_TRUE(f.Image1.exists(2));
        EXPECT_EQ(f.Image1(2).picture().size(), tab.size());
        EXPECT_DOUBLE_EQ(f.Image1(2).width(), 255);
    }
}

// ---------------------------------------------------------------------------------------------
// The stored window rectangle is fitted into the screens' work areas (not below the minimum of
// 9000 x 6000 twips); the file keeps what it holds.

TEST_F(StartupWindowTest, StoredRectangleFittedIntoTheWorkArea) {
    // The primary screen's work area: 1920 x 1040 pixels at the origin.
    const QRect primary(0, 0, 1920 * 15, 1040 * 15);
    const QRect second(1920 * 15, 0, 1280 * 15, 1024 * 15);
    struct Case {
        const char* name;
        const char* left;
        const char* top;
        const char* width;
        const char* height;
        std::vector<QRect> others;  // further screens
        QRect workArea;             // the primary screen's work area
        QRectF expected;
    };
    const Case cases[] = {
        {"inside the work area", "690", "600", "10605", "7800", {}, primary, {690, 600, 10605, 7800}},
        {"negative place", "-50000", "-40000", "10605", "7800", {}, primary, {0, 0, 10605, 7800}},
        {"wrapped size", "690", "600", "-32768", "-32768", {}, primary, {690, 600, 9000, 6000}},
        {"huge values", "4294967295", "4294967295", "4294967295", "4294967295", {}, primary, {0, 0, 28800, 15600}},
        {"below the minimum", "300", "200", "4000", "3000", {}, primary, {300, 200, 9000, 6000}},
        {"on a screen that is gone", "33000", "1500", "10605", "7800", {}, primary, {28800 - 10605, 1500, 10605, 7800}},
        {"on the second screen", "33000", "1500", "10605", "7800", {second}, primary, {33000, 1500, 10605, 7800}},
        {"partly off the second screen", "45000", "1500", "10605", "7800", {second}, primary,
         {1920 * 15 + 1280 * 15 - 10605, 1500, 10605, 7800}},
        {"a screen smaller than the minimum", "690", "600", "10605", "7800", {}, QRect(0, 0, 500 * 15, 300 * 15),
         {0, 0, 9000, 6000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        services.setWorkArea(c.workArea);
        services.setOtherWorkAreas(c.others);
        const QStringList stored{c.left, c.top, c.width, c.height};
        setFgSetting("左右", c.left);
        setFgSetting("上下", c.top);
        setFgSetting("宽度", c.width);
        setFgSetting("高度", c.height);
        ASSERT_TRUE(start());
        EXPECT_EQ(windowRect(), c.expected);
        // The native window agrees with the form.
        EXPECT_EQ(f1().client()->size(), QSize(qRound(c.expected.width() / 15), qRound(c.expected.height() / 15)));
        // Only the exit writes the rectangle.
        EXPECT_EQ((QStringList{fgSetting("左右"), fgSetting("上下"), fgSetting("宽度"), fgSetting("高度")}), stored);
    }
}

TEST_F(StartupWindowTest, AStoredValueThatIsNoNumberStillSkipsTheMove) {
    setFgSetting("左右", "4294967295");
    setFgSetting("宽度", "");
    ASSERT_TRUE(start(QString(), false));
    EXPECT_EQ(windowRect(), QRectF(0, 0, 10605, 7800));  // the design rectangle
}

// ---------------------------------------------------------------------------------------------
// A tab height beyond any screen: the labels and the layout take what fits; the setting stays.

TEST_F(StartupWindowTest, TabHeightBeyondAnyScreenIsCutToWhatFits) {
    struct Case {
        const char* stored;
        double height;  // the labels' height; -1: refused, the label keeps the height it had
    };
    for (const Case& c : {Case{"40000", 1500}, Case{"32767", 1500}, Case{"1500", 1500}, Case{"400", 400},
                          Case{"-315", -1}}) {
        SCOPED_TRACE(c.stored);
        setSetting("高度", c.stored);
        ASSERT_TRUE(start());
        Form1& f = f1();
        const double expected = c.height < 0 ? f.lv(2).height() : c.height;
        EXPECT_GE(expected, 0);
        for (int k = 2; k <= 10; ++k) EXPECT_DOUBLE_EQ(f.lv(k).height(), expected) << k;
        EXPECT_DOUBLE_EQ(f.Label2(3).height(), expected);
        // The page lies inside the window, below the tabs and the address box, with room to show.
        const web::WebBrowser& page = f.WebBrowser1(1);
        EXPECT_DOUBLE_EQ(page.top(), expected + 270 + 170);
        EXPECT_GT(page.height(), f.height() / 3);
        EXPECT_LE(page.top() + page.height(), f.height());
        EXPECT_EQ(setting("高度"), c.stored);
    }
}

// ---------------------------------------------------------------------------------------------
// The desktop launcher in a home without a desktop folder: the folder is made, the launcher written.

TEST_F(StartupWindowTest, DesktopLauncherInAHomeWithoutADesktopFolder) {
    struct Case {
        const char* name;
        const char* userDirs;  // nullptr: no user-dirs.dirs
        QString folder;        // under the home
    };
    const Case cases[] = {
        {"no user folders", nullptr, "/Desktop"},
        {"desktop folder named in user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n", "/桌面"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(home.path() + "/Desktop").removeRecursively();
        QDir(home.path() + "/桌面").removeRecursively();
        QFile::remove(home.path() + "/.config/user-dirs.dirs");
        if (c.userDirs) {
            QDir().mkpath(home.path() + "/.config");
            QFile dirs(home.path() + "/.config/user-dirs.dirs");
            ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
            dirs.write(c.userDirs);
        }
        setSetting("快捷方式", "有");
        ASSERT_TRUE(start());
        const QString launcherFile = home.path() + c.folder + "/Zelvaro浏览器.desktop";
        ASSERT_TRUE(QFileInfo(launcherFile).isFile()) << launcherFile.toStdString();
        QFile written(launcherFile);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().contains("Exec="));
        EXPECT_TRUE(QFileInfo(launcherFile).isExecutable());
    }
}

// ---------------------------------------------------------------------------------------------
// A navigation without a User-Agent of its own sends the engine's agent with the program's ASCII
// product token, whatever the application's name is.

TEST_F(StartupWindowTest, DefaultUserAgentIsAsciiAndNamesTheProgram) {
    const QString oldName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Zelvaro浏览器"));
    TestHttpServer server;
    server.addPage("/first.html", "<html><body><p>first</p></body></html>");
    server.addPage("/second.html", "<html><body><p>second</p></body></html>");
    setSetting("UA", "0");
    setSetting("启动主页", server.urlText("/first.html"));
    ASSERT_TRUE(start());
    ASSERT_TRUE(waitFor([&] { return !server.requestsFor("/first.html").isEmpty(); }));
    // A typed address in a new tab, also without an override.
    f1().Text7.setText(server.urlText("/second.html"));
    f1().Command1.press();
    ASSERT_TRUE(waitFor([&] { return !server.requestsFor("/second.html").isEmpty(); }));
    QCoreApplication::setApplicationName(oldName);

    for (const char* path : {"/first.html", "/second.html"}) {
        SCOPED_TRACE(path);
        const QByteArray agent = server.requestsFor(path).first().header("User-Agent");
        ASSERT_FALSE(agent.isEmpty());
        for (const char ch : agent) EXPECT_TRUE(ch >= 0x20 && ch < 0x7f) << agent.toStdString();
        EXPECT_TRUE(agent.contains(" Zelvaro/1.0 ")) << agent.toStdString();
        EXPECT_FALSE(agent.contains('?')) << agent.toStdString();
        EXPECT_TRUE(agent.startsWith("Mozilla/5.0 ")) << agent.toStdString();
    }
}

}  // namespace
