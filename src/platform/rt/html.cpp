#include "platform/rt/html.h"

namespace rt {

namespace {

// The reference for a character of the text set, or nullptr for one that stays.
const char* textReference(QChar c) {
    switch (c.unicode()) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    case '\'': return "&#39;";
    default: return nullptr;
    }
}

const char* attributeReference(QChar c) {
    switch (c.unicode()) {
    case ' ': return "&#32;";
    case '\t': return "&#9;";
    case '\n': return "&#10;";
    case '\r': return "&#13;";
    case '=': return "&#61;";
    case '`': return "&#96;";
    default: return textReference(c);
    }
}

template <class Reference>
QString escape(const QString& text, Reference reference) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        if (const char* ref = reference(c))
            out += QLatin1String(ref);
        else
            out += c;
    }
    return out;
}

}  // namespace

QString htmlEscape(const QString& text) { return escape(text, textReference); }

QString htmlAttributeEscape(const QString& value) { return escape(value, attributeReference); }

}  // namespace rt
