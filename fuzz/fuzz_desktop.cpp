// Desktop key files on any bytes: entries read, Exec lines split, values escaped, and mimeapps.list
// rewritten with every line it does not change kept.
// Input: the file's bytes, then optionally "\xff\xfe\xfd" and a text (UTF-8) used as an argument.
#include "fuzz_support.h"

#include "platform/sys/xdg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVector>

namespace {

QTemporaryDir* dir = nullptr;

QList<QByteArray> segments(const QByteArray& bytes) {
    QList<QByteArray> out = bytes.split('\n');
    if (!out.isEmpty() && out.last().isEmpty()) out.removeLast();
    return out;
}

// The key of a key line ("" for any other line).
QString keyOf(const QByteArray& segment) {
    const QString line = QString::fromUtf8(segment.constData(), segment.size()).trimmed();
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) return QString();
    const int eq = line.indexOf(QLatin1Char('='));
    return eq > 0 ? line.left(eq).trimmed() : QString();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::startApplication();
    dir = new QTemporaryDir();
    qputenv("PATH", dir->path().toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz::bytes(data, size);
    const QByteArray mark("\xff\xfe\xfd");
    const QByteArray file = fuzz::before(input, mark);
    const QString argument = QString::fromUtf8(fuzz::after(input, mark));

    // A desktop entry read from the file, and its Exec line split for a target.
    const QString path = dir->path() + QStringLiteral("/entry.desktop");
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(file);
    }
    const sys::xdg::DesktopEntry entry = sys::xdg::readDesktopEntry(path);
    sys::xdg::execCommand(entry, argument);
    sys::xdg::execCommand(entry);

    // Escaping is undone, and one argument written for a desktop file splits back into itself.
    fuzz::check(sys::xdg::unescapeValue(sys::xdg::escapeValue(argument)) == argument, "escaping is undone");
    if (!argument.contains(QChar(0))) {
        sys::xdg::DesktopEntry one;
        one.exec = sys::xdg::unescapeValue(sys::xdg::execArgumentForFile(argument));
        fuzz::check(sys::xdg::execCommand(one) == QStringList{argument}, "an argument splits back into itself");
    }

    // mimeapps.list: the default is set, a second rewrite changes nothing, and every line that is not a
    // line of the type stays, in its order.
    const QString type = QStringLiteral("x-scheme-handler/http");
    const QString id = QStringLiteral("zelvaro.desktop");
    for (const bool associations : {false, true}) {
        const QByteArray out = sys::xdg::withDefaultApplication(file, type, id, associations);
        bool found = false;
        for (const auto& e : sys::xdg::parseKeyFile(out)) {
            if (e.group == QStringLiteral("Default Applications") && e.key.compare(type, Qt::CaseInsensitive) == 0) {
                found = e.value == id;
                break;
            }
        }
        fuzz::check(found, "the default is set");
        fuzz::check(sys::xdg::withDefaultApplication(out, type, id, associations) == out, "a second rewrite changes nothing");
        const QList<QByteArray> kept = segments(out);
        int at = 0;
        for (QByteArray s : segments(file)) {
            if (keyOf(s).compare(type, Qt::CaseInsensitive) == 0) continue;
            while (s.endsWith('\r')) s.chop(1);
            bool seen = false;
            while (at < kept.size() && !seen) {
                QByteArray k = kept[at++];
                while (k.endsWith('\r')) k.chop(1);
                seen = k == s;
            }
            fuzz::check(seen, "every other line stays, in its order");
        }
    }
    return 0;
}
