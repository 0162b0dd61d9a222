#include "platform/rt/text.h"

#include "platform/rt/error.h"

namespace rt {
namespace {

Qt::CaseSensitivity sensitivity(Compare compare) {
    return compare == TextCompare ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

}  // namespace

int len(const QString& text) { return text.size(); }

QString mid(const QString& text, int start) {
    if (start < 1) raise(InvalidProcedureCall);
    return text.mid(start - 1);
}

QString mid(const QString& text, int start, int length) {
    if (start < 1 || length < 0) raise(InvalidProcedureCall);
    if (start > text.size()) return QString();
    return text.mid(start - 1, length);
}

QString left(const QString& text, int length) {
    if (length < 0) raise(InvalidProcedureCall);
    return text.left(length);
}

QString right(const QString& text, int length) {
    if (length < 0) raise(InvalidProcedureCall);
    return text.right(length);
}

int instr(const QString& text, const QString& find, Compare compare) {
    return instr(1, text, find, compare);
}

int instr(int start, const QString& text, const QString& find, Compare compare) {
    if (start < 1) raise(InvalidProcedureCall);
    if (text.isEmpty() || start > text.size()) return 0;
    if (find.isEmpty()) return start;
    return text.indexOf(find, start - 1, sensitivity(compare)) + 1;
}

int instrRev(const QString& text, const QString& find, int start, Compare compare) {
    if (start == 0 || start < -1) raise(InvalidProcedureCall);
    if (text.isEmpty()) return 0;
    if (start == -1) start = text.size();
    if (start > text.size()) return 0;
    if (find.isEmpty()) return start;
    if (find.size() > start) return 0;
    return text.lastIndexOf(find, start - find.size(), sensitivity(compare)) + 1;
}

QString replace(const QString& text, const QString& find, const QString& with, int start, int count,
                Compare compare) {
    if (start < 1 || count < -1) raise(InvalidProcedureCall);
    if (start > text.size()) return QString();
    const QString rest = text.mid(start - 1);
    if (find.isEmpty() || count == 0) return rest;
    const Qt::CaseSensitivity cs = sensitivity(compare);
    QString out;
    int from = 0;
    int done = 0;
    while (count == -1 || done < count) {
        const int at = rest.indexOf(find, from, cs);
        if (at < 0) break;
        out += rest.midRef(from, at - from);
        out += with;
        from = at + find.size();
        ++done;
    }
    out += rest.midRef(from);
    return out;
}

QString ltrim(const QString& text) {
    int i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    return text.mid(i);
}

QString rtrim(const QString& text) {
    int n = text.size();
    while (n > 0 && text[n - 1] == QLatin1Char(' ')) --n;
    return text.left(n);
}

QString trim(const QString& text) { return ltrim(rtrim(text)); }

QString lcase(const QString& text) { return text.toLower(); }
QString ucase(const QString& text) { return text.toUpper(); }

}  // namespace rt
