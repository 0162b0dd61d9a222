#pragma once
// The system's ANSI code page (GBK): encoding, decoding, byte counts and cuts on character boundaries.
// Every GBK conversion of the program goes through these functions.
//
// A character is a UTF-16 code unit, or a surrogate pair taken whole. Encoding gives each character
// its GBK bytes: 1 for ASCII, 2 for a double-byte character, and the replacement "?" (1 byte) for a
// character that GBK cannot hold: a character outside GBK, a lone surrogate, and the characters the
// system codec would otherwise drop without a trace (U+FEFF, joiners, variation selectors, ...).
// Decoding gives U+FFFD for every byte sequence that is not GBK, also for a double-byte character
// cut off at the end of the bytes. Counts and cuts agree with the encoding byte for byte.
#include <QByteArray>
#include <QString>

namespace rt {

// Text to GBK bytes.
QByteArray toGbk(const QString& text);
// GBK bytes to text; the whole buffer is read (a NUL byte is a character like any other).
QString fromGbk(const QByteArray& bytes);

// Bytes the text takes in GBK: the size of `toGbk(text)`.
int gbkLength(const QString& text);

// The longest start of the text that takes at most `bytes` bytes in GBK; a double-byte character
// that would be split is left out whole, and so is a surrogate pair.
QString gbkLeft(const QString& text, int bytes);

// True when the character at `text[i]` (with its low surrogate, for a pair) reads back unchanged
// after a trip through GBK: a file in the code page can hold it as it is.
bool gbkHolds(const QString& text, int i);

}  // namespace rt
