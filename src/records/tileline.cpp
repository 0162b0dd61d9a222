#include "records/tileline.h"

#include "platform/rt/html.h"
#include "platform/rt/text.h"

#include <QVector>

namespace {

const QString kLinkEnd = QStringLiteral("</a>");

// One attribute of a tag: its name (lower case) and where its value lies in the line. A value in
// quotes lies inside them; an attribute without "=" has an empty value at the end of its name.
struct Attribute {
    QString name;
    int valueStart = 0;
    int valueEnd = 0;
    bool hasValue = false;
};

struct Tag {
    QString name;  // lower case
    int start = 0;
    QVector<Attribute> attributes;
    const Attribute* attribute(const QString& name) const {
        for (const Attribute& a : attributes)
            if (a.name == name) return &a;  // the first of the same name counts, as in the page
        return nullptr;
    }
};

bool isSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\f');
}

// The start tags of a line with their attributes, read as the page reads them: names end at a blank,
// "/", ">" or "="; a value in quotes runs to its closing quote, an unquoted one to a blank or ">".
// Comments and end tags are skipped.
QVector<Tag> tagsOf(const QString& line) {
    QVector<Tag> tags;
    const int n = line.size();
    int i = 0;
    while (i < n) {
        if (line[i] != QLatin1Char('<')) {
            ++i;
            continue;
        }
        if (line.midRef(i, 4) == QLatin1String("<!--")) {
            const int end = line.indexOf(QLatin1String("-->"), i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        if (i + 1 >= n || !rt::isAsciiLetter(line[i + 1])) {
            ++i;
            continue;
        }
        Tag tag;
        tag.start = i;
        int j = i + 1;
        while (j < n && !isSpace(line[j]) && line[j] != QLatin1Char('/') && line[j] != QLatin1Char('>')) ++j;
        tag.name = line.mid(i + 1, j - i - 1).toLower();
        while (j < n && line[j] != QLatin1Char('>')) {
            if (isSpace(line[j]) || line[j] == QLatin1Char('/')) {
                ++j;
                continue;
            }
            Attribute a;
            const int nameStart = j;
            ++j;  // a name takes at least one character, even "="
            while (j < n && !isSpace(line[j]) && line[j] != QLatin1Char('/') && line[j] != QLatin1Char('>') &&
                   line[j] != QLatin1Char('='))
                ++j;
            a.name = line.mid(nameStart, j - nameStart).toLower();
            a.valueStart = a.valueEnd = j;
            int k = j;
            while (k < n && isSpace(line[k])) ++k;
            if (k < n && line[k] == QLatin1Char('=')) {
                ++k;
                while (k < n && isSpace(line[k])) ++k;
                a.hasValue = true;
                if (k < n && (line[k] == QLatin1Char('"') || line[k] == QLatin1Char('\''))) {
                    const QChar quote = line[k];
                    const int close = line.indexOf(quote, k + 1);
                    a.valueStart = k + 1;
                    a.valueEnd = close < 0 ? n : close;
                    j = close < 0 ? n : close + 1;
                } else {
                    a.valueStart = k;
                    while (k < n && !isSpace(line[k]) && line[k] != QLatin1Char('>')) ++k;
                    a.valueEnd = k;
                    j = k;
                }
            }
            tag.attributes << a;
        }
        tags << tag;
        i = j + 1;
    }
    return tags;
}

QString valueOf(const QString& line, const Attribute& a) {
    return rt::htmlUnescape(line.mid(a.valueStart, a.valueEnd - a.valueStart));
}

// The index in `tags` of the tag whose id is exactly `id`, or -1.
int tagWithId(const QString& line, const QVector<Tag>& tags, const QString& id) {
    if (id.isEmpty()) return -1;
    for (int t = 0; t < tags.size(); ++t) {
        const Attribute* a = tags[t].attribute(QStringLiteral("id"));
        if (a && a->hasValue && valueOf(line, *a) == id) return t;
    }
    return -1;
}

// The attribute that holds field `name` of the tile `id`: "href" of the link around the tile, any
// other field of the tile's own tag.
const Attribute* fieldOf(const QString& line, const QVector<Tag>& tags, const QString& id, const QString& name) {
    const int t = tagWithId(line, tags, id);
    if (t < 0) return nullptr;
    const QString key = name.toLower();
    if (key != QLatin1String("href")) return tags[t].attribute(key);
    for (int l = t; l >= 0; --l)
        if (tags[l].name == QLatin1String("a")) return tags[l].attribute(key);
    return nullptr;
}

}  // namespace

int TileLine::find(const QStringList& lines, const QString& id) {
    if (id.isEmpty()) return -1;
    for (int i = 0; i < lines.size(); ++i)
        if (holdsId(lines[i], id)) return i;
    return -1;
}

bool TileLine::holdsId(const QString& line, const QString& id) {
    // Only lines that hold the id as text at all are read as markup.
    return !id.isEmpty() && line.contains(id) && tagWithId(line, tagsOf(line), id) >= 0;
}

bool TileLine::field(const QString& line, const QString& id, const QString& name, QString* value) {
    const QVector<Tag> tags = tagsOf(line);
    const Attribute* a = fieldOf(line, tags, id, name);
    if (!a) return false;
    if (value) *value = valueOf(line, *a);
    return true;
}

QString TileLine::withField(const QString& line, const QString& id, const QString& name, const QString& value) {
    const QVector<Tag> tags = tagsOf(line);
    const Attribute* a = fieldOf(line, tags, id, name);
    if (!a) return line;
    QString written = escape(value);
    if (!a->hasValue) written.prepend(QLatin1Char('='));
    // An empty unquoted value would take the next attribute as its value.
    if (written.isEmpty() || written == QLatin1String("=")) written += QStringLiteral("\"\"");
    QString out = line;
    out.replace(a->valueStart, a->valueEnd - a->valueStart, written);
    return out;
}

bool TileLine::hasLinkEnd(const QString& line) { return line.contains(kLinkEnd); }

QString TileLine::tail(const QString& line) {
    const int at = line.indexOf(kLinkEnd);
    return at < 0 ? QString() : line.mid(at + kLinkEnd.size());
}

QString TileLine::withTail(const QString& line, const QString& tail) {
    const int at = line.indexOf(kLinkEnd);
    if (at < 0) return line;
    return line.left(at + kLinkEnd.size()) + tail;
}

QString TileLine::escape(const QString& value) {
    return rt::htmlEscape(value, rt::kHtmlText | rt::kHtmlBlank | rt::kHtmlTab | rt::kHtmlLineEnds | rt::kHtmlFormFeed |
                                     rt::kHtmlBacktick);
}
