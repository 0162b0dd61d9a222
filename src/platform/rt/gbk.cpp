#include "platform/rt/gbk.h"

#include <QTextCodec>

namespace rt {
namespace {

QTextCodec* codec() {
    static QTextCodec* const c = QTextCodec::codecForName("GBK");
    return c;
}

// Code units of the character at `i`: 2 for a surrogate pair, else 1.
int unitsAt(const QString& text, int i) {
    return (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
}

// The GBK bytes of one character; "?" where the codec gives nothing (a lone surrogate, or a character
// the codec drops), so no character ever vanishes. `state` keeps the codec's converter between calls.
QByteArray encodeOne(const QChar* unit, int units, QTextCodec::ConverterState* state) {
    if (units == 1 && unit->unicode() < 0x80) return QByteArray(1, char(unit->unicode()));
    if (units == 1 && unit->isSurrogate()) return QByteArray(1, '?');
    const QByteArray bytes = codec()->fromUnicode(unit, units, state);
    return bytes.isEmpty() ? QByteArray(1, '?') : bytes;
}

QString decode(const QByteArray& bytes) {
    // The codec drops a lead byte left without its trail at the end of the buffer. A NUL is never a
    // trail byte, so with one added, such a lead byte becomes U+FFFD like any other broken sequence,
    // and the NUL is taken off again.
    QByteArray padded = bytes;
    padded.append('\0');
    QString text = codec()->toUnicode(padded);
    if (!text.isEmpty() && text.back() == QChar(0)) text.chop(1);
    return text;
}

}  // namespace

QByteArray toGbk(const QString& text) {
    // Most texts convert whole: the codec's result is taken when it reads back as the text.
    bool ascii = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) return text.toLatin1();
    QTextCodec::ConverterState state;
    const QByteArray whole = codec()->fromUnicode(text.constData(), text.size(), &state);
    if (decode(whole) == text) return whole;
    // Characters the code page cannot hold: one at a time, each its own bytes or "?".
    QByteArray out;
    out.reserve(text.size() * 2);
    QTextCodec::ConverterState one;
    for (int i = 0; i < text.size();) {
        const int units = unitsAt(text, i);
        out += encodeOne(text.constData() + i, units, &one);
        i += units;
    }
    return out;
}

QString fromGbk(const QByteArray& bytes) { return decode(bytes); }

int gbkLength(const QString& text) { return toGbk(text).size(); }

QString gbkLeft(const QString& text, int bytes) {
    if (bytes <= 0) return QString();
    if (gbkLength(text) <= bytes) return text;
    QTextCodec::ConverterState state;
    int used = 0;
    int i = 0;
    while (i < text.size()) {
        const int units = unitsAt(text, i);
        const int b = encodeOne(text.constData() + i, units, &state).size();
        if (used + b > bytes) break;
        used += b;
        i += units;
    }
    return text.left(i);
}

bool gbkHolds(const QString& text, int i) {
    if (i < 0 || i >= text.size()) return false;
    if (text[i].unicode() < 0x80) return true;
    const QString one = text.mid(i, unitsAt(text, i));
    return fromGbk(toGbk(one)) == one;
}

}  // namespace rt
