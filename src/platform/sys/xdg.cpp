#include "platform/sys/xdg.h"

#include "platform/rt/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>

#include <functional>

namespace sys::xdg {

namespace {

QString env(const char* name) { return QString::fromLocal8Bit(qgetenv(name)); }

QStringList envDirs(const char* name, const QStringList& fallback) {
    QStringList dirs;
    for (const QString& d : env(name).split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(d)) dirs << QDir::cleanPath(d);
    }
    return dirs.isEmpty() ? fallback : dirs;
}

// One line of a key file as it stands in the file: its bytes, and its end (the CRs before the LF, the
// LF; "" or CRs alone for a last line without one). A rewrite puts back the lines it does not change
// from these bytes.
struct RawLine {
    QByteArray bytes;
    QByteArray end;
    QString text() const { return QString::fromUtf8(bytes.constData(), bytes.size()); }
};

QVector<RawLine> splitLines(const QByteArray& bytes) {
    QVector<RawLine> lines;
    int from = 0;
    while (from < bytes.size()) {
        int lf = bytes.indexOf('\n', from);
        const int next = lf < 0 ? bytes.size() : lf + 1;
        if (lf < 0) lf = bytes.size();
        int stop = lf;
        while (stop > from && bytes[stop - 1] == '\r') --stop;
        lines.push_back({bytes.mid(from, stop - from), bytes.mid(stop, next - stop)});
        from = next;
    }
    return lines;
}

QByteArray joinLines(const QVector<RawLine>& lines) {
    QByteArray out;
    for (const RawLine& l : lines) out += l.bytes + l.end;
    return out;
}

// The whole file (a NUL byte or a stray CR cuts nothing off); false when it cannot be read.
bool readBytes(const QString& file, QByteArray* bytes) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return false;
    *bytes = f.readAll();
    return f.error() == QFileDevice::NoError;
}

bool isGroupLine(const QString& line) {
    return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

// The key lines of a desktop-style key file; none when it cannot be read.
QVector<KeyFileEntry> readKeyFile(const QString& file) {
    QByteArray bytes;
    if (!readBytes(file, &bytes)) return {};
    return parseKeyFile(bytes);
}

QStringList listValue(const QString& value) {
    QStringList ids;
    for (const QString& id : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!id.trimmed().isEmpty()) ids << id.trimmed();
    }
    return ids;
}

QStringList applicationDirs() {
    QStringList dirs{dataHome() + QStringLiteral("/applications")};
    for (const QString& d : dataDirs()) dirs << d + QStringLiteral("/applications");
    return dirs;
}

// The mimeapps.list files in their order of precedence.
QStringList mimeappsFiles() {
    QStringList dirs{configHome()};
    dirs << configDirs();
    dirs << applicationDirs();
    const QStringList desktops = currentDesktops();
    QStringList files;
    for (const QString& dir : dirs) {
        for (const QString& desk : desktops) files << dir + QLatin1Char('/') + desk + QStringLiteral("-mimeapps.list");
        files << dir + QStringLiteral("/mimeapps.list");
    }
    return files;
}

bool installed(const DesktopEntry& e) { return e.isValid() && !e.hidden; }

QString targetAsUrl(const QString& target) {
    if (target.startsWith(QLatin1Char('/'))) return QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded);
    return target;
}

QString targetAsFile(const QString& target) {
    if (target.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QString local = QUrl(target).toLocalFile();
        if (!local.isEmpty()) return local;
    }
    return target;
}

// Sets, rewrites or removes one key of one group of a key file, keeping every other line byte for byte.
// `edit` gets the old value (empty when absent) and returns the new one; an empty result removes the key,
// the old value leaves its line as it is. A changed line keeps its line end; a new line ends with LF.
// Further lines of the same key in the group (which key files do not allow) are removed.
void editKey(QVector<RawLine>& lines, const QString& group, const QString& key,
             const std::function<QString(const QString&)>& edit) {
    int groupStart = -1;
    int groupEnd = -1;      // one past the group's last non-empty line
    QVector<int> keyLines;  // the key's lines in the group, in file order
    QString current;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].text().trimmed();
        if (isGroupLine(line)) {
            current = line.mid(1, line.size() - 2);
            if (current == group && groupStart < 0) {
                groupStart = i;
                groupEnd = i + 1;
            }
            continue;
        }
        if (current != group || groupStart < 0) continue;
        if (!line.isEmpty()) groupEnd = i + 1;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) keyLines << i;
    }
    // A line after which another one is put must end with LF.
    const auto endLine = [&](int i) {
        if (i >= 0 && !lines[i].end.endsWith('\n')) lines[i].end += '\n';
    };
    const auto newLine = [](const QString& text) { return RawLine{text.toUtf8(), QByteArray("\n")}; };
    if (!keyLines.isEmpty()) {
        const int first = keyLines.first();
        const QString line = lines[first].text().trimmed();
        const QString old = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
        const QString next = edit(old);
        // Later lines of the same key go, so that a reader taking the last one reads the same.
        for (int k = keyLines.size() - 1; k >= 1; --k) lines.removeAt(keyLines[k]);
        if (next.isEmpty()) {
            lines.removeAt(first);
        } else if (next != old) {
            lines[first].bytes = (key + QLatin1Char('=') + next).toUtf8();
        }
        return;
    }
    const QString next = edit(QString());
    if (next.isEmpty()) return;
    if (groupStart >= 0) {
        endLine(groupEnd - 1);
        lines.insert(groupEnd, newLine(key + QLatin1Char('=') + next));
        return;
    }
    if (!lines.isEmpty()) {
        endLine(lines.size() - 1);
        if (!lines.last().text().trimmed().isEmpty()) lines.push_back(newLine(QString()));
    }
    lines.push_back(newLine(QLatin1Char('[') + group + QLatin1Char(']')));
    lines.push_back(newLine(key + QLatin1Char('=') + next));
}

bool writeBytesFile(const QString& file, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

void setUserDefault(const QString& file, const QString& mimeType, const QString& id, bool alsoAssociations) {
    QByteArray bytes;
    if (!readBytes(file, &bytes) && QFileInfo::exists(file)) {
        // Present but unreadable: rewriting it would lose what it holds.
        rt::raise(rt::PermissionDenied, QStringLiteral("无法读取 ") + file);
    }
    if (!writeBytesFile(file, withDefaultApplication(bytes, mimeType, id, alsoAssociations)))
        rt::raise(rt::PermissionDenied, QStringLiteral("无法写入 ") + file);
}

}  // namespace

QVector<KeyFileEntry> parseKeyFile(const QByteArray& bytes) {
    QVector<KeyFileEntry> out;
    QString group;
    for (const RawLine& raw : splitLines(bytes)) {
        const QString line = raw.text().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (isGroupLine(line)) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        out.push_back({group, line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
    return out;
}

QByteArray withDefaultApplication(const QByteArray& bytes, const QString& mimeType, const QString& id,
                                  bool alsoAssociations) {
    QVector<RawLine> lines = splitLines(bytes);
    editKey(lines, QStringLiteral("Default Applications"), mimeType, [&](const QString&) { return id; });
    if (alsoAssociations) {
        editKey(lines, QStringLiteral("Added Associations"), mimeType, [&](const QString& old) {
            QStringList ids = listValue(old);
            if (ids.value(0) == id) return old;
            ids.removeAll(id);
            ids.prepend(id);
            return ids.join(QLatin1Char(';')) + QLatin1Char(';');
        });
        editKey(lines, QStringLiteral("Removed Associations"), mimeType, [&](const QString& old) {
            QStringList ids = listValue(old);
            if (!ids.contains(id)) return old;
            ids.removeAll(id);
            return ids.isEmpty() ? QString() : ids.join(QLatin1Char(';')) + QLatin1Char(';');
        });
    }
    return joinLines(lines);
}

QString homeDir() {
    const QString home = env("HOME");
    return home.isEmpty() ? QDir::homePath() : QDir::cleanPath(home);
}

QString configHome() {
    const QString dir = env("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(dir) ? QDir::cleanPath(dir) : homeDir() + QStringLiteral("/.config");
}

QString dataHome() {
    const QString dir = env("XDG_DATA_HOME");
    return QDir::isAbsolutePath(dir) ? QDir::cleanPath(dir) : homeDir() + QStringLiteral("/.local/share");
}

QStringList configDirs() { return envDirs("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")}); }

QStringList dataDirs() {
    return envDirs("XDG_DATA_DIRS", {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
}

QStringList currentDesktops() {
    QStringList out;
    for (const QString& d : env("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        out << d.trimmed().toLower();
    }
    return out;
}

namespace {

// The folder a key of `configHome()/user-dirs.dirs` names ("$HOME/..." or an absolute path, quoted,
// with backslash escapes); "" when the file or the key is missing or names something else.
QString userDirsEntry(const QString& key) {
    const QString home = homeDir();
    QByteArray bytes;
    if (!readBytes(configHome() + QStringLiteral("/user-dirs.dirs"), &bytes)) return QString();
    const QString prefix = key + QLatin1Char('=');
    for (const RawLine& raw : splitLines(bytes)) {
        const QString line = raw.text().trimmed();
        if (!line.startsWith(prefix)) continue;
        QString value = line.mid(prefix.size()).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) {
            value = value.mid(1, value.size() - 2);
        }
        QString path;
        for (int i = 0; i < value.size(); ++i) {
            if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) ++i;
            path += value[i];
        }
        if (path == QStringLiteral("$HOME")) return home;
        if (path.startsWith(QStringLiteral("$HOME/"))) return QDir::cleanPath(home + path.mid(5));
        if (path.startsWith(QLatin1Char('/'))) return QDir::cleanPath(path);
    }
    return QString();
}

}  // namespace

QString desktopDir() {
    const QString fromFile = userDirsEntry(QStringLiteral("XDG_DESKTOP_DIR"));
    return fromFile.isEmpty() ? homeDir() + QStringLiteral("/Desktop") : fromFile;
}

QString downloadDir() {
    const QString fromEnv = env("XDG_DOWNLOAD_DIR");
    if (QDir::isAbsolutePath(fromEnv)) return QDir::cleanPath(fromEnv);
    const QString fromFile = userDirsEntry(QStringLiteral("XDG_DOWNLOAD_DIR"));
    return fromFile.isEmpty() ? homeDir() + QStringLiteral("/Downloads") : fromFile;
}

QString unescapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
            out += c;
            continue;
        }
        const QChar n = value[++i];
        if (n == QLatin1Char('s')) out += QLatin1Char(' ');
        else if (n == QLatin1Char('n')) out += QLatin1Char('\n');
        else if (n == QLatin1Char('t')) out += QLatin1Char('\t');
        else if (n == QLatin1Char('r')) out += QLatin1Char('\r');
        else if (n == QLatin1Char('\\')) out += QLatin1Char('\\');
        else out += c, out += n;
    }
    return out;
}

QString escapeValue(const QString& text) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n')) out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r')) out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t')) out += QStringLiteral("\\t");
        else if (c == QLatin1Char(' ') && i == 0) out += QStringLiteral("\\s");
        else out += c;
    }
    return out;
}

QString execArgumentForFile(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = argument.isEmpty();
    for (const QChar c : argument) {
        if (reserved.contains(c)) quote = true;
    }
    QString arg;
    if (quote) arg += QLatin1Char('"');
    for (const QChar c : argument) {
        if (c == QLatin1Char('%')) {
            arg += QStringLiteral("%%");
            continue;
        }
        if (quote && (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))) {
            arg += QLatin1Char('\\');
        }
        arg += c;
    }
    if (quote) arg += QLatin1Char('"');
    return escapeValue(arg);
}

DesktopEntry readDesktopEntry(const QString& file) {
    DesktopEntry e;
    if (!QFileInfo(file).isFile()) return e;
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly)) return e;
    probe.close();
    QSet<QString> seen;
    QString tryExec;
    bool hasGroup = false;
    for (const KeyFileEntry& l : readKeyFile(file)) {
        if (l.group != QStringLiteral("Desktop Entry")) continue;
        hasGroup = true;
        if (seen.contains(l.key)) continue;
        seen.insert(l.key);
        const QString v = unescapeValue(l.value);
        if (l.key == QStringLiteral("Name")) e.name = v;
        else if (l.key == QStringLiteral("Exec")) e.exec = v;
        else if (l.key == QStringLiteral("Icon")) e.icon = v;
        else if (l.key == QStringLiteral("Path")) e.path = v;
        else if (l.key == QStringLiteral("Comment")) e.comment = v;
        else if (l.key == QStringLiteral("Hidden")) e.hidden = (v == QStringLiteral("true"));
        else if (l.key == QStringLiteral("TryExec")) tryExec = v;
    }
    if (!hasGroup) return e;
    if (!tryExec.isEmpty()) {
        const bool found = tryExec.contains(QLatin1Char('/')) ? QFileInfo(tryExec).isExecutable()
                                                               : !QStandardPaths::findExecutable(tryExec).isEmpty();
        if (!found) e.hidden = true;
    }
    e.file = file;
    return e;
}

DesktopEntry findDesktopEntry(const QString& id) {
    if (id.isEmpty() || id.contains(QStringLiteral(".."))) return {};
    QStringList names{id};
    const int dash = id.indexOf(QLatin1Char('-'));
    if (dash > 0) names << id.left(dash) + QLatin1Char('/') + id.mid(dash + 1);
    for (const QString& dir : applicationDirs()) {
        for (const QString& name : names) {
            DesktopEntry e = readDesktopEntry(dir + QLatin1Char('/') + name);
            if (e.isValid()) {
                e.id = id;
                // The first one found shadows the others, even when it is hidden.
                return installed(e) ? e : DesktopEntry{};
            }
        }
    }
    return {};
}

DesktopEntry defaultHandler(const QString& mimeType) {
    const QStringList files = mimeappsFiles();
    auto valueIn = [&](const QVector<KeyFileEntry>& lines, const QString& group) {
        for (const KeyFileEntry& l : lines) {
            if (l.group == group && l.key.compare(mimeType, Qt::CaseInsensitive) == 0) return l.value;
        }
        return QString();
    };
    QVector<QVector<KeyFileEntry>> parsed;
    for (const QString& f : files) parsed.push_back(readKeyFile(f));

    for (const auto& lines : parsed) {
        for (const QString& id : listValue(valueIn(lines, QStringLiteral("Default Applications")))) {
            const DesktopEntry e = findDesktopEntry(id);
            if (installed(e)) return e;
        }
    }
    QSet<QString> removed;
    for (const auto& lines : parsed) {
        for (const QString& id : listValue(valueIn(lines, QStringLiteral("Removed Associations")))) removed.insert(id);
        for (const QString& id : listValue(valueIn(lines, QStringLiteral("Added Associations")))) {
            if (removed.contains(id)) continue;
            const DesktopEntry e = findDesktopEntry(id);
            if (installed(e)) return e;
        }
    }
    for (const QString& dir : applicationDirs()) {
        const auto lines = readKeyFile(dir + QStringLiteral("/mimeinfo.cache"));
        for (const QString& id : listValue(valueIn(lines, QStringLiteral("MIME Cache")))) {
            if (removed.contains(id)) continue;
            const DesktopEntry e = findDesktopEntry(id);
            if (installed(e)) return e;
        }
    }
    return {};
}

QStringList execCommand(const DesktopEntry& entry, const QString& target) {
    const QString& exec = entry.exec;
    QStringList out;
    QString token;
    bool tokenStarted = false;  // a quoted empty argument still counts
    bool standaloneTarget = false;
    bool usedTarget = false;
    bool inQuotes = false;

    auto endToken = [&] {
        if (standaloneTarget) {
            if (!target.isEmpty()) out << token;
        } else if (tokenStarted) {
            out << token;
        }
        token.clear();
        tokenStarted = false;
        standaloneTarget = false;
    };

    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (!inQuotes && (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))) {
            endToken();
            continue;
        }
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            tokenStarted = true;
            continue;
        }
        if (inQuotes && c == QLatin1Char('\\') && i + 1 < exec.size()) {
            const QChar n = exec[i + 1];
            if (n == QLatin1Char('"') || n == QLatin1Char('`') || n == QLatin1Char('$') || n == QLatin1Char('\\')) {
                token += n;
                tokenStarted = true;
                ++i;
                continue;
            }
        }
        if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            const QChar code = exec[++i];
            const bool alone = !tokenStarted && !inQuotes &&
                               (i + 1 >= exec.size() || exec[i + 1] == QLatin1Char(' ') || exec[i + 1] == QLatin1Char('\t'));
            switch (code.toLatin1()) {
            case '%':
                token += QLatin1Char('%');
                tokenStarted = true;
                break;
            case 'u':
            case 'U':
            case 'f':
            case 'F': {
                const QString t = (code == QLatin1Char('u') || code == QLatin1Char('U')) ? targetAsUrl(target)
                                                                                         : targetAsFile(target);
                usedTarget = true;
                if (alone) {
                    standaloneTarget = true;
                    token = t;
                } else {
                    token += t;
                    tokenStarted = true;
                }
                break;
            }
            case 'i':
                if (alone) {
                    if (!entry.icon.isEmpty()) out << QStringLiteral("--icon") << entry.icon;
                }
                break;
            case 'c':
                token += entry.name;
                tokenStarted = true;
                break;
            case 'k':
                token += entry.file;
                tokenStarted = true;
                break;
            default:
                break;  // deprecated and unknown codes are dropped
            }
            continue;
        }
        token += c;
        tokenStarted = true;
    }
    endToken();
    if (!usedTarget && !target.isEmpty() && !out.isEmpty()) out << target;
    return out;
}

bool runsProgram(const DesktopEntry& entry, const QString& program) {
    const QStringList cmd = execCommand(entry);
    if (cmd.isEmpty() || program.isEmpty()) return false;
    QString first = cmd.first();
    if (!first.contains(QLatin1Char('/'))) first = QStandardPaths::findExecutable(first);
    if (first.isEmpty()) return false;
    const QString a = QFileInfo(first).canonicalFilePath();
    return !a.isEmpty() && a == QFileInfo(program).canonicalFilePath();
}

bool writeTextFile(const QString& file, const QString& text) { return writeBytesFile(file, text.toUtf8()); }

void makeOwnDefault(const QString& mimeType) {
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty()) rt::raise(rt::PermissionDenied, QStringLiteral("程序路径未知"));
    const QString entryFile = dataHome() + QStringLiteral("/applications/") + ownDesktopId;
    const QString text = QStringLiteral(
                             "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Zelvaro浏览器\n"
                             "Exec=%1 %u\n"
                             "Terminal=false\n"
                             "Categories=Network;WebBrowser;\n"
                             "MimeType=x-scheme-handler/http;x-scheme-handler/https;\n")
                             .arg(execArgumentForFile(program));
    if (!writeTextFile(entryFile, text)) rt::raise(rt::PermissionDenied, QStringLiteral("无法写入 ") + entryFile);

    setUserDefault(configHome() + QStringLiteral("/mimeapps.list"), mimeType, ownDesktopId, true);
    // A desktop-specific list of the user outranks the plain one: keep it in line where it exists.
    for (const QString& desk : currentDesktops()) {
        const QString file = configHome() + QLatin1Char('/') + desk + QStringLiteral("-mimeapps.list");
        if (QFileInfo::exists(file)) setUserDefault(file, mimeType, ownDesktopId, false);
    }
}

}  // namespace sys::xdg
