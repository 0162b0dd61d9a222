#include "platform/sys/picturesize.h"

#include <QIODevice>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace sys {

namespace {

// Reads bytes at given places of a device and puts the device back where it was when it goes. A read
// past the end gives fewer bytes; nothing here decodes pixels.
class Peek {
public:
    explicit Peek(QIODevice* device) : device_(device) {
        ok_ = device_ && !device_->isSequential() && (device_->isOpen() || device_->open(QIODevice::ReadOnly));
        if (ok_) start_ = device_->pos();
    }
    ~Peek() {
        if (ok_) device_->seek(start_);
    }
    Peek(const Peek&) = delete;
    Peek& operator=(const Peek&) = delete;

    bool ok() const { return ok_; }
    qint64 size() const { return ok_ ? device_->size() : 0; }
    // `n` bytes at `at`, or an empty array when there are fewer.
    QByteArray at(qint64 at, int n) {
        if (!ok_ || at < 0 || !device_->seek(at)) return QByteArray();
        QByteArray bytes = device_->read(n);
        return bytes.size() == n ? bytes : QByteArray();
    }

private:
    QIODevice* device_;
    bool ok_ = false;
    qint64 start_ = 0;
};

unsigned le16(const QByteArray& b, int i) { return uchar(b[i]) | (uchar(b[i + 1]) << 8); }
quint32 le32(const QByteArray& b, int i) { return le16(b, i) | (quint32(le16(b, i + 2)) << 16); }
quint32 be32(const QByteArray& b, int i) {
    return (quint32(uchar(b[i])) << 24) | (quint32(uchar(b[i + 1])) << 16) | (quint32(uchar(b[i + 2])) << 8) |
           uchar(b[i + 3]);
}

// A side read from a header, clamped so that an absurd value stays absurd without overflowing.
int side(qint64 value) { return int(std::min<qint64>(std::llabs(value), 1'000'000'000)); }

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

// An icon file (ICO or CUR): every entry is decoded by what its data is, a PNG at the size of its own
// header or a bitmap at the size of its info header, whatever the directory entry says. All entries
// must be allowed and lie within the file (an entry whose header cannot be read decodes to nothing).
bool iconAllowed(Peek& peek) {
    const QByteArray dir = peek.at(0, 6);
    if (dir.isEmpty()) return false;
    const unsigned count = le16(dir, 4);
    if (count == 0) return false;
    for (unsigned i = 0; i < count; ++i) {
        const QByteArray entry = peek.at(6 + 16 * qint64(i), 16);
        if (entry.isEmpty()) break;  // the directory ends early: no further entry is read
        const int entryWidth = uchar(entry[0]) ? uchar(entry[0]) : 256;
        const int entryHeight = uchar(entry[1]) ? uchar(entry[1]) : 256;
        if (!pictureSizeAllowed(QSize(entryWidth, entryHeight))) return false;
        // The reader takes the entry's bytes in one piece of the length the entry gives: an entry
        // that says it holds more than the file does would have it ask for up to 4 GB.
        const qint64 length = le32(entry, 8);
        const qint64 offset = le32(entry, 12);
        if (offset + length > peek.size()) return false;
        const QByteArray head = peek.at(offset, 24);
        if (head.isEmpty()) continue;
        QSize decoded;
        if (head.startsWith(kPngSignature)) {
            decoded = QSize(side(be32(head, 16)), side(be32(head, 20)));
        } else {
            // A bitmap's info header: its height counts the picture and its mask, both decoded.
            decoded = QSize(side(qint32(le32(head, 4))), side(qint32(le32(head, 8))));
        }
        if (!pictureSizeAllowed(decoded)) return false;
    }
    return true;
}

// Skips the data sub-blocks that start at `at`; the place after their end, or -1 when the file ends
// first.
qint64 skipSubBlocks(Peek& peek, qint64 at) {
    for (;;) {
        const QByteArray size = peek.at(at, 1);
        if (size.isEmpty()) return -1;
        at += 1 + uchar(size[0]);
        if (uchar(size[0]) == 0) return at;
    }
}

// A GIF: every frame is drawn on the canvas, which is decoded whole: the logical screen, made larger
// by any frame that reaches past it. The canvas is checked before any frame is decoded.
bool gifAllowed(Peek& peek) {
    const QByteArray screen = peek.at(6, 7);
    if (screen.isEmpty()) return false;
    int width = int(le16(screen, 0));
    int height = int(le16(screen, 2));
    qint64 at = 13;
    if (uchar(screen[4]) & 0x80) at += 3 * (qint64(1) << ((uchar(screen[4]) & 7) + 1));
    for (;;) {
        const QByteArray block = peek.at(at, 1);
        if (block.isEmpty() || block[0] == '\x3b') break;  // the end of the file, or its trailer
        if (block[0] == '\x21') {                            // an extension: its label, its sub-blocks
            at = skipSubBlocks(peek, at + 2);
        } else if (block[0] == '\x2c') {  // a frame: its place and size, its colours, its pixels
            const QByteArray frame = peek.at(at + 1, 9);
            if (frame.isEmpty()) break;
            width = std::max(width, int(le16(frame, 0) + le16(frame, 4)));
            height = std::max(height, int(le16(frame, 2) + le16(frame, 6)));
            at += 10;
            if (uchar(frame[8]) & 0x80) at += 3 * (qint64(1) << ((uchar(frame[8]) & 7) + 1));
            at = skipSubBlocks(peek, at + 1);
        } else {
            break;  // not a GIF block: decoding stops here too
        }
        if (at < 0) break;
    }
    return pictureSizeAllowed(QSize(width, height));
}

}  // namespace

bool pictureSizeAllowed(const QSize& size) {
    if (!size.isValid() || size.isEmpty()) return false;
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return false;
    return static_cast<long long>(size.width()) * size.height() <= kMaxPicturePixels;
}

bool pictureSizeAllowed(QImageReader& reader) {
    if (!pictureSizeAllowed(reader.size())) return false;
    // The kind is told by the file's first bytes, as the readers tell it.
    Peek peek(reader.device());
    if (!peek.ok()) return false;
    const QByteArray magic = peek.at(0, 6);
    if (magic.startsWith(QByteArray("\0\0\1\0", 4)) || magic.startsWith(QByteArray("\0\0\2\0", 4))) return iconAllowed(peek);
    if (magic == "GIF87a" || magic == "GIF89a") return gifAllowed(peek);
    return true;
}

}  // namespace sys
