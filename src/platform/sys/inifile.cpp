#include "platform/sys/inifile.h"

#include "platform/rt/error.h"
#include "platform/rt/gbk.h"
#include "platform/sys/filestamp.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>


#include <algorithm>
#include <memory>

namespace sys {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QString stripBlanks(const QString& s) {
    int from = 0, to = s.size();
    while (from < to && isBlank(s[from])) ++from;
    while (to > from && isBlank(s[to - 1])) --to;
    return s.mid(from, to - from);
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// One line of the file: its bytes without the line end, the line end it had, and what it holds.
struct Line {
    QByteArray bytes;
    QByteArray end;  // "\r\n", "\n" or "" for a last line without one
    enum Kind { Other, Section, Key } kind = Other;
    QString name;   // the section's or the key's name
    QString value;  // a key's raw value, blanks and quotes as written
    bool blank = true;  // nothing but blanks
};

Line parseLine(const QByteArray& bytes, const QByteArray& end) {
    Line line;
    line.bytes = bytes;
    line.end = end;
    const QString text = rt::fromGbk(bytes);
    const QString trimmed = stripBlanks(text);
    line.blank = trimmed.isEmpty();
    if (trimmed.startsWith(QLatin1Char('['))) {
        int close = trimmed.indexOf(QLatin1Char(']'));
        if (close < 0) close = trimmed.size();
        line.kind = Line::Section;
        line.name = stripBlanks(trimmed.mid(1, close - 1));
        return line;
    }
    const int eq = text.indexOf(QLatin1Char('='));
    if (eq < 0) return line;
    line.kind = Line::Key;
    line.name = stripBlanks(text.left(eq));
    line.value = text.mid(eq + 1);
    return line;
}

// Calls `take(from, length, endLength)` for each line of the file, in order. A line ends with CR LF, LF
// or CR alone (old editors' line ends); a CR or LF byte is never part of a GBK double-byte character,
// so the bytes can be split as they are.
template <class Take>
void forEachLine(const QByteArray& bytes, Take take) {
    const int size = bytes.size();
    int from = 0;
    while (from < size) {
        int stop = from;
        while (stop < size && bytes[stop] != '\r' && bytes[stop] != '\n') ++stop;
        if (stop == size) {
            take(from, size - from, 0);
            break;
        }
        int next = stop + 1;
        if (bytes[stop] == '\r' && next < size && bytes[next] == '\n') ++next;
        take(from, stop - from, next - stop);
        from = next;
    }
}

QList<Line> parseFile(const QByteArray& bytes) {
    QList<Line> lines;
    forEachLine(bytes, [&](int from, int length, int endLength) {
        lines << parseLine(bytes.mid(from, length), bytes.mid(from + length, endLength));
    });
    return lines;
}

// Index of the first section line named `section`, or -1.
int findSection(const QList<Line>& lines, const QString& section) {
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].kind == Line::Section && sameName(lines[i].name, section)) return i;
    return -1;
}

// Index of the first key line named `key` in the section that starts at `header`, or -1; `last`
// receives the section's last line that is not blank.
int findKey(const QList<Line>& lines, int header, const QString& key, int* last = nullptr) {
    int lastFilled = header;
    for (int i = header + 1; i < lines.size() && lines[i].kind != Line::Section; ++i) {
        if (lines[i].kind == Line::Key && !lines[i].name.isEmpty() && sameName(lines[i].name, key)) return i;
        if (!lines[i].blank) lastFilled = i;
    }
    if (last) *last = lastFilled;
    return -1;
}

QString readableValue(QString value) {
    value = stripBlanks(value);
    if (value.size() >= 2) {
        const QChar q = value[0];
        if ((q == QLatin1Char('"') || q == QLatin1Char('\'')) && value.endsWith(q))
            value = value.mid(1, value.size() - 2);
    }
    const int nul = value.indexOf(QChar(0));
    if (nul >= 0) value.truncate(nul);
    return rt::gbkLeft(value, kProfileValueBytes);
}

// A name or value as the file can hold it: it ends at its first NUL, as a text handed to the platform's
// writer does, and loses its CR and LF, which would break the line.
QString withoutLineBreaks(QString text) {
    const int nul = text.indexOf(QChar(0));
    if (nul >= 0) text.truncate(nul);
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

Line newLine(const QString& text) {
    Line line = parseLine(rt::toGbk(text), "\r\n");
    return line;
}

QString writeCountKey(const QString& file, const QString& section, const QString& key) {
    return nativePath(file) + QLatin1Char('\n') + section.toLower() + QLatin1Char('\n') + key.toLower();
}

QHash<QString, unsigned long long>& writeCounts() {
    static QHash<QString, unsigned long long> counts;
    return counts;
}

// A section or key name as both sides use it.
QString cleanName(const QString& name) { return stripBlanks(withoutLineBreaks(name)); }

QString profileValueIn(const QList<Line>& lines, const QString& sectionName, const QString& keyName) {
    const int header = findSection(lines, sectionName);
    if (header < 0) return QString();
    const int at = findKey(lines, header, keyName);
    if (at < 0) return QString();
    return readableValue(lines[at].value);
}

// The parsed lines of the files read lately. Every read still looks at the file: an entry counts only
// while the file is the very one it was made from (same inode, size, change and modification times),
// and a file changed within the last two seconds is parsed afresh at each read, so a rewrite inside one
// tick of the file system's clock can never be missed. Our own writes drop their file's entry.
struct ParsedFile {
    FileStamp stamp;
    std::shared_ptr<const QList<Line>> lines;
};

QHash<QString, ParsedFile>& parsedFiles() {
    static QHash<QString, ParsedFile> files;
    return files;
}

// The lines of a file as it is now; nullptr when it cannot be read.
std::shared_ptr<const QList<Line>> currentLines(const QString& file) {
    const QString native = nativePath(file);
    FileStamp stamp;
    const bool stamped = stampOf(native, stamp);
    if (stamped) {
        auto it = parsedFiles().constFind(native);
        if (it != parsedFiles().constEnd() && it->stamp == stamp && !changedLately(stamp)) return it->lines;
    }
    parsedFiles().remove(native);
    QByteArray bytes;
    if (!readFileBytes(file, bytes)) return nullptr;
    auto lines = std::make_shared<const QList<Line>>(parseFile(bytes));
    if (stamped && !changedLately(stamp) && bytes.size() == stamp.size) parsedFiles().insert(native, {stamp, lines});
    return lines;
}

}  // namespace

unsigned long long profileWriteCount(const QString& file, const QString& section, const QString& key) {
    return writeCounts().value(writeCountKey(file, cleanName(section), cleanName(key)));
}

QString profileStringIn(const QByteArray& bytes, const QString& section, const QString& key) {
    const QString sectionName = cleanName(section);
    const QString keyName = cleanName(key);
    if (sectionName.isEmpty() || keyName.isEmpty()) return QString();
    return profileValueIn(parseFile(bytes), sectionName, keyName);
}

bool hasProfileSection(const QByteArray& bytes, const QString& section) {
    const QString sectionName = cleanName(section);
    if (sectionName.isEmpty()) return false;
    // Only section lines are read: those whose first byte other than a blank is "[" (a blank or "["
    // byte that starts a line, or follows blanks there, is never the second byte of a character).
    bool found = false;
    forEachLine(bytes, [&](int from, int length, int endLength) {
        if (found) return;
        int i = from;
        while (i < from + length && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
        if (i == from + length || bytes[i] != '[') return;
        const Line line = parseLine(bytes.mid(from, length), bytes.mid(from + length, endLength));
        found = line.kind == Line::Section && sameName(line.name, sectionName);
    });
    return found;
}

bool hasProfileKey(const QByteArray& bytes, const QString& section, const QString& key) {
    const QString sectionName = cleanName(section);
    const QString keyName = cleanName(key);
    if (sectionName.isEmpty() || keyName.isEmpty()) return false;
    const QList<Line> lines = parseFile(bytes);
    const int header = findSection(lines, sectionName);
    return header >= 0 && findKey(lines, header, keyName) >= 0;
}

QByteArray withProfileString(const QByteArray& bytes, const QString& section, const QString& key,
                             const QString& value) {
    const QString sectionName = cleanName(section);
    const QString keyName = cleanName(key);
    if (sectionName.isEmpty() || keyName.isEmpty()) return bytes;
    const QString cleanValue = withoutLineBreaks(value);
    QList<Line> lines = parseFile(bytes);

    const int header = findSection(lines, sectionName);
    if (header < 0) {
        if (!lines.isEmpty() && lines.last().end.isEmpty()) lines.last().end = "\r\n";
        lines << newLine(QLatin1Char('[') + sectionName + QLatin1Char(']'));
        lines << newLine(keyName + QLatin1Char('=') + cleanValue);
    } else {
        int last = header;
        const int at = findKey(lines, header, keyName, &last);
        if (at >= 0) {
            const QByteArray end = lines[at].end.isEmpty() ? QByteArray("\r\n") : lines[at].end;
            lines[at] = newLine(lines[at].name + QLatin1Char('=') + cleanValue);
            lines[at].end = end;
        } else {
            if (lines[last].end.isEmpty()) lines[last].end = "\r\n";
            lines.insert(last + 1, newLine(keyName + QLatin1Char('=') + cleanValue));
        }
    }

    QByteArray out;
    for (const Line& line : lines) {
        out += line.bytes;
        out += line.end;
    }
    return out;
}

QString getProfileString(const QString& file, const QString& section, const QString& key) {
    const QString sectionName = cleanName(section);
    const QString keyName = cleanName(key);
    if (sectionName.isEmpty() || keyName.isEmpty()) return QString();
    const std::shared_ptr<const QList<Line>> lines = currentLines(file);
    if (!lines) return QString();
    return profileValueIn(*lines, sectionName, keyName);
}

void writeProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value) {
    const QString sectionName = cleanName(section);
    const QString keyName = cleanName(key);
    if (sectionName.isEmpty() || keyName.isEmpty()) return;
    ++writeCounts()[writeCountKey(file, sectionName, keyName)];
    parsedFiles().remove(nativePath(file));

    QByteArray bytes;
    int error = 0;
    if (!readFileBytes(file, bytes, &error) && error != rt::FileNotFound) return;
    replaceFileBytes(file, withProfileString(bytes, sectionName, keyName, value));
}

}  // namespace sys
