#include "records/favoriterecord.h"

#include "platform/rt/format.h"
#include "platform/rt/html.h"
#include "platform/rt/random.h"
#include "platform/rt/text.h"

namespace {

const QString kIdeographicSpace = QStringLiteral("\u3000");
const QString kLabelOpen = QStringLiteral("<label>");
const QString kLabelClose = QStringLiteral("</label>");
const QString kLinkOpen = QStringLiteral("<a href=javascript:; title=");
const QString kTitle = QStringLiteral("title=");
const QString kIdMark = QStringLiteral(" id=");
const QString kLinkClose = QStringLiteral("</a>");
const QString kLineEnd = QStringLiteral("</a><br><br>");

// Draws that still give a used id before the id is made unique by appending digits.
constexpr int kMaxDraws = 1000;

// Where the link's "title=" is looked for: after the label when the line has one, so a label that
// holds "title=" cannot move the address.
int titleIndex(const QString& line) {
    int from = 0;
    const int labelStart = line.indexOf(kLabelOpen);
    if (labelStart >= 0) {
        const int labelEnd = line.indexOf(kLabelClose, labelStart + kLabelOpen.size());
        if (labelEnd >= 0) from = labelEnd + kLabelClose.size();
    }
    return line.indexOf(kTitle, from);
}

bool containsId(const QStringList& lines, const QString& id) {
    for (const QString& line : lines)
        if (line.contains(id, Qt::CaseInsensitive))
            return true;
    return false;
}

}  // namespace

QString FavoriteRecord::periodWord(const QString& time) {
    const QString hour = time.left(2);
    if (hour.size() != 2 || !rt::isAsciiDigit(hour[0]) || !rt::isAsciiDigit(hour[1]))
        return QString();
    const int h = hour.toInt();
    if (h == 0) return QStringLiteral("转钟");
    if (h <= 4) return QStringLiteral("凌晨");
    if (h == 5) return QStringLiteral("清早");
    if (h <= 8) return QStringLiteral("早上");
    if (h <= 11) return QStringLiteral("上午");
    if (h == 12) return QStringLiteral("中午");
    if (h <= 17) return QStringLiteral("下午");
    if (h == 18) return QStringLiteral("傍晚");
    if (h == 19) return QStringLiteral("夜幕");
    if (h <= 23) return QStringLiteral("晚上");
    return QString();
}

QString FavoriteRecord::labelAt(const QDateTime& when) {
    const QString time = rt::timeText(when);
    return rt::dateText(when) + kIdeographicSpace + periodWord(time) + time;
}

QString FavoriteRecord::typedText(const QString& address) {
    QString text = address;
    text.replace(QLatin1Char('.'), QStringLiteral("\uFF1A"));
    return text;
}

QString FavoriteRecord::idText(float value) { return rt::str(value); }

QString FavoriteRecord::makeId(const QStringList& lines) {
    rt::randomize();
    return makeId(lines, [] { return rt::rnd(); });
}

QString FavoriteRecord::makeId(const QStringList& lines, const std::function<float()>& draw) {
    QString id;
    for (int i = 0; i < kMaxDraws; ++i) {
        id = idText(draw());
        if (id.size() >= 2 && !containsId(lines, id))
            return id;
    }
    // A source that keeps repeating itself: lengthen the last id until it is unused.
    if (id.size() < 2)
        id = QStringLiteral("0.");
    for (int n = 1;; ++n) {
        const QString candidate = id + QString::number(n);
        if (!containsId(lines, candidate))
            return candidate;
    }
}

FavoriteRecord FavoriteRecord::make(const QDateTime& when, const QString& address, const QString& id,
                                    const QString& text) {
    FavoriteRecord r;
    r.label = labelAt(when);
    r.address = address;
    r.id = id;
    r.text = text;
    return r;
}

QString FavoriteRecord::toLine() const {
    return kLabelOpen + escapeText(label) + kLabelClose + kIdeographicSpace + kLinkOpen +
           escapeAttribute(address) + kIdMark + escapeAttribute(id) + QLatin1Char('>') + escapeText(text) +
           kLineEnd;
}

bool FavoriteRecord::parse(const QString& line, FavoriteRecord* record) {
    FavoriteRecord r;
    const int labelStart = line.indexOf(kLabelOpen);
    if (labelStart >= 0) {
        const int from = labelStart + kLabelOpen.size();
        const int labelEnd = line.indexOf(kLabelClose, from);
        if (labelEnd >= 0)
            r.label = rt::htmlUnescape(line.mid(from, labelEnd - from));
    }
    const int title = titleIndex(line);
    if (title < 0) {
        if (record)
            *record = r;
        return false;
    }
    const int addressStart = title + kTitle.size();
    const int idMark = line.indexOf(kIdMark, addressStart);
    if (idMark < 0) {
        // No id: the address runs to the end of the tag.
        int tagEnd = line.indexOf(QLatin1Char('>'), addressStart);
        if (tagEnd < 0)
            tagEnd = line.size();
        r.address = rt::htmlUnescape(line.mid(addressStart, tagEnd - addressStart));
        const int textStart = tagEnd + 1;
        const int textEnd = line.lastIndexOf(kLinkClose);
        if (textStart < line.size() && textEnd >= textStart)
            r.text = rt::htmlUnescape(line.mid(textStart, textEnd - textStart));
    } else {
        r.address = rt::htmlUnescape(line.mid(addressStart, idMark - addressStart));
        const int idStart = idMark + kIdMark.size();
        int idEnd = line.indexOf(QLatin1Char('>'), idStart);
        if (idEnd < 0)
            idEnd = line.size();
        r.id = rt::htmlUnescape(line.mid(idStart, idEnd - idStart));
        const int textStart = idEnd + 1;
        // The text ends at the link's closing tag; an older line may hold "</a>" inside its text,
        // so the last one counts.
        const int textEnd = line.lastIndexOf(kLinkClose);
        if (textStart <= line.size() && textEnd >= textStart)
            r.text = rt::htmlUnescape(line.mid(textStart, textEnd - textStart));
        else if (textStart < line.size())
            r.text = rt::htmlUnescape(line.mid(textStart));
    }
    if (record)
        *record = r;
    return true;
}

FavoriteRecord FavoriteRecord::fromLine(const QString& line) {
    FavoriteRecord r;
    parse(line, &r);
    return r;
}

QString FavoriteRecord::addressOf(const QString& line) {
    const int title = titleIndex(line);
    if (title < 0)
        return QString();
    const int start = title + kTitle.size();
    const int idMark = line.indexOf(kIdMark, start);
    return rt::htmlUnescape(idMark < 0 ? line.mid(start) : line.mid(start, idMark - start));
}

int FavoriteRecord::indexOfId(const QStringList& lines, const QString& id) {
    if (id.isEmpty())
        return -1;
    for (int i = 0; i < lines.size(); ++i) {
        FavoriteRecord r;
        if (parse(lines[i], &r) && r.id.compare(id, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString FavoriteRecord::escapeAttribute(const QString& value) { return rt::htmlEscape(value, rt::kHtmlAttribute); }

// The link text keeps its line ends as references too: a record is one line of the file.
QString FavoriteRecord::escapeText(const QString& value) { return rt::htmlEscape(value, rt::kHtmlText | rt::kHtmlLineEnds); }
