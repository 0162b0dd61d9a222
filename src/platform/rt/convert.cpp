#include "platform/rt/convert.h"

#include "platform/rt/error.h"
#include "platform/rt/text.h"

#include <QByteArray>
#include <QLatin1String>

#include <cmath>
#include <limits>

namespace rt {
namespace {

enum class Parse { Ok, Mismatch, Overflow };

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// "&H" followed by hex digits at `pos`; reads as many digits as there are. Returns the number of
// characters used (0 when there is no hex number at `pos`).
int readHex(const QString& s, int pos, double& value, bool& overflow) {
    if (pos + 2 > s.size() || s[pos] != QLatin1Char('&') ||
        (s[pos + 1] != QLatin1Char('H') && s[pos + 1] != QLatin1Char('h')))
        return 0;
    int i = pos + 2;
    quint64 v = 0;
    overflow = false;
    while (i < s.size() && rt::hexDigitValue(s[i]) >= 0) {
        v = v * 16 + quint64(rt::hexDigitValue(s[i]));
        if (v > 0xFFFFFFFFull) overflow = true, v = 0xFFFFFFFFull;
        ++i;
    }
    if (i == pos + 2) return 0;
    value = double(qint32(quint32(v)));
    return i - pos;
}

// A decimal number at `pos`; returns the characters used (0 when none). `ascii` receives the number in
// a form QByteArray::toDouble reads.
int readDecimal(const QString& s, int pos, QByteArray& ascii) {
    int i = pos;
    ascii.clear();
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        if (s[i] == QLatin1Char('-')) ascii += '-';
        ++i;
    }
    int digits = 0;
    while (i < s.size() && isAsciiDigit(s[i])) ascii += char(s[i++].unicode()), ++digits;
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        int j = i + 1;
        QByteArray frac;
        while (j < s.size() && isAsciiDigit(s[j])) frac += char(s[j++].unicode());
        if (digits > 0 || !frac.isEmpty()) {
            ascii += '.';
            ascii += frac;
            digits += frac.size();
            i = j;
        }
    }
    if (digits == 0) return 0;
    if (i < s.size()) {
        const ushort e = s[i].unicode();
        if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
            int j = i + 1;
            QByteArray exp = "E";
            if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
                exp += char(s[j++].unicode());
            int expDigits = 0;
            while (j < s.size() && isAsciiDigit(s[j])) exp += char(s[j++].unicode()), ++expDigits;
            if (expDigits > 0) {
                ascii += exp;
                i = j;
            }
        }
    }
    return i - pos;
}

Parse decimalValue(const QByteArray& ascii, double& value) {
    bool ok = false;
    value = ascii.toDouble(&ok);
    if (std::isinf(value)) return Parse::Overflow;
    if (!ok) value = 0.0;  // the only failure left after the grammar is an underflow to zero
    if (value == 0.0) value = 0.0;  // no negative zero
    return Parse::Ok;
}

// The whole text as a number of the grammar.
Parse parseNumber(const QString& s, double& value) {
    int i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    bool overflow = false;
    int used = readHex(s, i, value, overflow);
    QByteArray ascii;
    bool hex = used > 0;
    if (!hex) used = readDecimal(s, i, ascii);
    if (used == 0) return Parse::Mismatch;
    i += used;
    while (i < s.size() && isBlank(s[i])) ++i;
    if (i != s.size()) return Parse::Mismatch;
    if (hex) return overflow ? Parse::Overflow : Parse::Ok;
    return decimalValue(ascii, value);
}

double strictNumber(const QString& text) {
    double value = 0;
    switch (parseNumber(text, value)) {
    case Parse::Ok: return value;
    case Parse::Overflow: raise(Overflow);
    case Parse::Mismatch: break;
    }
    raise(TypeMismatch);
}

}  // namespace

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5) return lower;
    if (diff > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

double toDouble(const QString& text) { return strictNumber(text); }

qint32 toInt32(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) raise(Overflow);
    return qint32(r);
}

qint32 toInt32(const QString& text) { return toInt32(strictNumber(text)); }

qint16 toInt16(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) raise(Overflow);
    return qint16(r);
}

qint16 toInt16(const QString& text) { return toInt16(strictNumber(text)); }

bool toBool(const QString& text) {
    int from = 0, to = text.size();
    while (from < to && isBlank(text[from])) ++from;
    while (to > from && isBlank(text[to - 1])) --to;
    const QString t = text.mid(from, to - from);
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    return strictNumber(text) != 0.0;
}

qint32 toColor(const QString& text) { return toInt32(text); }

bool isNumeric(const QString& text) {
    double value = 0;
    return parseNumber(text, value) == Parse::Ok;
}

double val(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')) s += c;
    double value = 0;
    bool overflow = false;
    if (readHex(s, 0, value, overflow) > 0) {
        if (overflow) raise(Overflow);
        return value;
    }
    QByteArray ascii;
    if (readDecimal(s, 0, ascii) == 0) return 0.0;
    if (decimalValue(ascii, value) == Parse::Overflow) raise(Overflow);
    return value;
}

}  // namespace rt
