#pragma once
// Text functions with 1-based positions over QString (UTF-16 units).
//
// Positions start at 1 and a result of 0 means "not found". A start position below 1 or a negative
// length raises invalid procedure call (5).
#include <QString>

namespace rt {

enum Compare : int {
    BinaryCompare = 0,  // exact code units
    TextCompare = 1,    // letter case ignored
};

int len(const QString& text);

// `length` characters from position `start` (1-based), or the rest of the text when no length is
// given. A start beyond the end gives "".
QString mid(const QString& text, int start);
QString mid(const QString& text, int start, int length);

// The first or last `length` characters (all of them when the text is shorter).
QString left(const QString& text, int length);
QString right(const QString& text, int length);

// Position of the first `find` in `text` at or after `start`; 0 when not found, when `text` is empty or
// when `start` lies beyond its end. An empty `find` gives `start`.
int instr(const QString& text, const QString& find, Compare compare = BinaryCompare);
int instr(int start, const QString& text, const QString& find, Compare compare = BinaryCompare);

// Position of the last `find` that lies wholly within the first `start` characters of `text` (-1: the
// whole text); 0 when not found. An empty `find` gives `start` (the length for -1). A start of 0 or
// below -1 raises 5.
int instrRev(const QString& text, const QString& find, int start = -1, Compare compare = BinaryCompare);

// Replaces `find` by `with` in `text`, `count` times at most (-1: all). The result begins at
// position `start`: the part before it is left out. A start beyond the end gives "". A count below -1
// raises 5.
QString replace(const QString& text, const QString& find, const QString& with, int start = 1,
                int count = -1, Compare compare = BinaryCompare);

// Removes spaces (U+0020 only) around the text, before it or after it.
QString trim(const QString& text);
QString ltrim(const QString& text);
QString rtrim(const QString& text);

QString lcase(const QString& text);
QString ucase(const QString& text);

// ASCII letters and digits only (what schemes, host names and generated names are made of).
inline bool isAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}
inline bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
// The value of a hexadecimal digit (0-9, a-f, A-F), or -1.
inline int hexDigitValue(QChar c) {
    const ushort u = c.unicode();
    if (isAsciiDigit(c)) return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

}  // namespace rt
