// The picture guard on any bytes: a picture it lets through decodes to no more than it allows, for
// every image of the file the loaders read (icon entries, GIF frames), and it never reads past what it
// is given. A picture too large to decode runs the target out of memory, which fails it.
#include "fuzz_support.h"

#include "platform/sys/picturesize.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes = fuzz::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) return 0;
    // As the desktop shortcut reads an icon: image by image, each checked before it is decoded.
    const int count = qBound(1, reader.imageCount(), 4);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        if (!sys::pictureSizeAllowed(reader)) continue;
        const QImage image = reader.read();
        if (image.isNull()) continue;
        fuzz::check(sys::pictureSizeAllowed(image.size()), "a picture the guard allows decodes within its limits");
    }
    return 0;
}
