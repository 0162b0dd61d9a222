// The size check of pictures read from files: a picture is decoded only when the size its header
// declares is one that can be shown.
#include "platform/sys/picturesize.h"

#include <gtest/gtest.h>

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

}  // namespace
