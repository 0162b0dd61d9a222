#pragma once
// The system's ANSI code page (GBK): encoding, decoding, byte counts and cuts on character boundaries.
#include <QByteArray>
#include <QString>

namespace rt {

// Text to GBK bytes; a character outside GBK becomes the codec's replacement ("?").
QByteArray toGbk(const QString& text);
// GBK bytes to text; a byte sequence that is not GBK becomes U+FFFD.
QString fromGbk(const QByteArray& bytes);

// Bytes the text takes in GBK: 1 for ASCII, 2 for a double-byte character, 1 for a replaced one.
int gbkLength(const QString& text);

// The longest start of the text that takes at most `bytes` bytes in GBK; a double-byte character
// that would be split is left out whole.
QString gbkLeft(const QString& text, int bytes);

}  // namespace rt
