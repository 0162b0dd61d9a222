// The size check of pictures read from files: a picture is decoded only when the size its header
// declares is one that can be shown.
#include "platform/sys/picturesize.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

TEST(PictureSize, OnlySizesThatCanBeShownAreDecoded) {
    struct Case {
        QSize size;
        bool allowed;
    };
    const Case cases[] = {
        {QSize(1, 1), true},           {QSize(256, 256), true},       {QSize(7680, 4320), true},
        {QSize(16384, 2441), true},    {QSize(16385, 1), false},      {QSize(1, 16385), false},
        {QSize(8000, 5001), false},    {QSize(30000, 30000), false},  {QSize(0, 10), false},
        {QSize(-1, -1), false},        {QSize(), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sys::pictureSizeAllowed(c.size), c.allowed) << c.size.width() << " x " << c.size.height();
    }
}

TEST(PictureSize, TheReaderIsAskedBeforeAnythingIsDecoded) {
    QTemporaryDir dir;
    QImage wide(16385, 1, QImage::Format_RGB32);
    wide.fill(Qt::white);
    ASSERT_TRUE(wide.save(dir.path() + "/wide.png"));
    QImage fine(40, 30, QImage::Format_RGB32);
    fine.fill(Qt::white);
    ASSERT_TRUE(fine.save(dir.path() + "/fine.png"));

    QImageReader tooWide(dir.path() + "/wide.png");
    EXPECT_FALSE(sys::pictureSizeAllowed(tooWide));
    QImageReader allowed(dir.path() + "/fine.png");
    EXPECT_TRUE(sys::pictureSizeAllowed(allowed));
    QImageReader missing(dir.path() + "/none.png");
    EXPECT_FALSE(sys::pictureSizeAllowed(missing));
}

// Little-endian and big-endian fields of crafted headers.
QByteArray le16(int v) { return QByteArray(1, char(v & 0xff)) + char((v >> 8) & 0xff); }
QByteArray le32(quint32 v) { return le16(int(v & 0xffff)) + le16(int(v >> 16)); }
QByteArray be32(quint32 v) {
    return QByteArray(1, char(v >> 24)) + char((v >> 16) & 0xff) + char((v >> 8) & 0xff) + char(v & 0xff);
}

// The start of a PNG of this size: its signature and its header chunk (the pixels need not follow).
QByteArray pngHead(quint32 w, quint32 h) {
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + be32(13) + "IHDR" + be32(w) + be32(h) + QByteArray("\x08\x06\0\0\0", 5) +
           be32(0);
}

// A bitmap info header of this size (the height counts the picture and its mask).
QByteArray bmpHead(qint32 w, qint32 h) {
    return le32(40) + le32(quint32(w)) + le32(quint32(h)) + le16(1) + le16(32) + QByteArray(24, '\0');
}

// An icon file whose entries say 16 x 16 and hold these pictures.
QByteArray icon(const QList<QByteArray>& pictures) {
    QByteArray out = le16(0) + le16(1) + le16(pictures.size());
    quint32 offset = 6 + 16 * pictures.size();
    for (const QByteArray& p : pictures) {
        out += QByteArray("\x10\x10\0\0", 4) + le16(1) + le16(32) + le32(p.size()) + le32(offset);
        offset += p.size();
    }
    for (const QByteArray& p : pictures) out += p;
    return out;
}

// A GIF with this logical screen and one 1 x 1 frame at this place.
QByteArray gif(int screenW, int screenH, int left = 0, int top = 0) {
    return "GIF89a" + le16(screenW) + le16(screenH) + QByteArray("\x80\0\0", 3) + QByteArray("\0\0\0\xff\xff\xff", 6) +
           QByteArray("\x21\xf9\x04\x01\0\0\0\0", 8) + "\x2c" + le16(left) + le16(top) + le16(1) + le16(1) + QByteArray(1, '\0') +
           QByteArray("\x02\x02\x44\x01\0", 5) + ";";
}

QByteArray fileOf(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// What formats declare is not always what they decode: an icon entry that says 16 x 16 may hold a
// huge PNG or bitmap, and a GIF of a tiny frame may decode a huge canvas. Each is refused from its
// headers; pictures that fit are still read whole after the check.
TEST(PictureSize, IconEntriesAndGifCanvasesAreCheckedAtTheSizeTheyDecodeTo) {
    QImage small(32, 32, QImage::Format_ARGB32);
    small.fill(Qt::red);
    const struct {
        const char* name;
        QByteArray bytes;
        bool allowed;
    } cases[] = {
        {"an icon the program writes", fileOf(small, "ICO"), true},
        {"an icon entry holding a small PNG", icon({fileOf(small, "PNG")}), true},
        {"an icon entry holding a 20000 x 20000 PNG", icon({pngHead(20000, 20000)}), false},
        {"a small entry, then a huge PNG entry", icon({fileOf(small, "PNG"), pngHead(20000, 20000)}), false},
        {"an icon entry holding a huge bitmap", icon({bmpHead(20000, 40000)}), false},
        {"an icon entry holding a bitmap of negative height", icon({bmpHead(16, -40000)}), false},
        {"an icon entry that claims 2 GB", icon({fileOf(small, "PNG")}).replace(14, 4, le32(0x7fff0000)), false},
        {"a 1 x 1 GIF", gif(1, 1), true},
        {"a GIF of a 16000 x 16000 canvas", gif(16000, 16000), false},
        {"a GIF whose frame reaches far past its canvas", gif(1, 1, 20000, 0), false},
        {"a GIF of an empty screen and a small frame", gif(0, 0, 3, 4), true},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bytes.isEmpty(), false);
        QFile f(dir.path() + "/picture");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        QImageReader reader(f.fileName());
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(sys::pictureSizeAllowed(reader), c.allowed);
        if (c.allowed) {
            EXPECT_FALSE(reader.read().isNull()) << reader.errorString().toStdString();
        }
    }
}

}  // namespace
