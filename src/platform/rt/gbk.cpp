#include "platform/rt/gbk.h"

#include <QTextCodec>

namespace rt {
namespace {

QTextCodec* codec() {
    static QTextCodec* const c = QTextCodec::codecForName("GBK");
    return c;
}

// Bytes one character (a code unit, or a surrogate pair passed whole) takes in GBK.
int charBytes(const QChar* unit, int units) {
    if (units == 1 && unit->unicode() < 0x80) return 1;
    return codec()->fromUnicode(unit, units).size();
}

int unitsAt(const QString& text, int i) {
    return (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
}

}  // namespace

QByteArray toGbk(const QString& text) { return codec()->fromUnicode(text); }

QString fromGbk(const QByteArray& bytes) { return codec()->toUnicode(bytes); }

int gbkLength(const QString& text) { return toGbk(text).size(); }

QString gbkLeft(const QString& text, int bytes) {
    int used = 0;
    int i = 0;
    while (i < text.size()) {
        const int units = unitsAt(text, i);
        const int b = charBytes(text.constData() + i, units);
        if (used + b > bytes) break;
        used += b;
        i += units;
    }
    return text.left(i);
}

}  // namespace rt
