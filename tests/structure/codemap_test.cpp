// The event-slot table of docs/code-map.md against the sources: every event slot a file above the
// platform sets is listed in the table, in the row of the file that sets it.
//
// An assignment is `<window>.<control>.on<Event> =` (`->` counts as `.`), with an index allowed
// after any name (`f.Timer4(i).onTimer =`, `f.lv.onClick =`), in a .cpp file under src/ outside
// src/platform/. Its first name is the variable holding the window or the menu owner (`w.onLoad`,
// `f.M_Dom.onkeydown`), unless it is the only name and begins with a capital letter (then it is
// the control). The control is the name right before `.on<Event>` without its index (`Timer4`).
//
// The rule: among the table's rows, those whose file column names the setting file (`<stem>.*` or
// `<stem>.cpp`, with or without the folder) must hold, somewhere in the row, `on<Event>` and, when
// the assignment names a control, the control's name. A row may word its slots freely, so
// rewriting a row's text keeps it passing as long as the slot names stay in it.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

namespace {

const QString kRoot = QStringLiteral(ZV_SOURCE_DIR);

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    QTextStream in(&file);
    in.setCodec("UTF-8");
    return in.readAll();
}

struct Row {
    QString text;   // the whole row
    QString files;  // its file column
};

// The rows of the table that follows the "| event slot | owner | file |" header.
QList<Row> slotTable() {
    QList<Row> rows;
    bool inTable = false;
    for (const QString& line : readText(kRoot + QStringLiteral("/docs/code-map.md")).split('\n')) {
        if (line.startsWith(QLatin1String("| event slot |"))) {
            inTable = true;
            continue;
        }
        if (!inTable) continue;
        if (!line.startsWith('|')) break;
        if (line.startsWith(QLatin1String("|---"))) continue;
        const QStringList cells = line.split('|');
        if (cells.size() < 5) continue;
        rows.append({line, cells[cells.size() - 2]});
    }
    return rows;
}

bool namesFile(const Row& row, const QString& stem) {
    const QRegularExpression file(QStringLiteral("(^|[`/\\s])") + QRegularExpression::escape(stem) +
                                  QStringLiteral("\\.(\\*|cpp)"));
    return file.match(row.files).hasMatch();
}

bool holdsName(const Row& row, const QString& name) {
    const QString word = QStringLiteral("\\b") + QRegularExpression::escape(name) + QStringLiteral("\\b");
    return row.text.contains(QRegularExpression(word));
}

struct Assignment {
    QString file;     // relative to the source tree
    int line;
    QString control;  // "" for an event of the window itself
    QString event;    // "onClick"
};

QList<Assignment> assignments() {
    QList<Assignment> out;
    const QString name = QStringLiteral("[A-Za-z_][A-Za-z0-9_]*(?:\\([^()]*\\))?");
    const QRegularExpression slot(QStringLiteral("\\b(") + name + QStringLiteral("(?:\\.") + name +
                                  QStringLiteral(")*)\\.(on[A-Za-z0-9]+)\\s*=(?!=)"));
    const QRegularExpression index(QStringLiteral("\\(.*$"));
    QDirIterator it(kRoot + QStringLiteral("/src"), {QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(kRoot.size() + 1);
        if (relative.startsWith(QLatin1String("src/platform/"))) continue;
        const QStringList lines = readText(path).split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            QString text = lines[i];
            text.replace(QLatin1String("->"), QLatin1String("."));
            auto matches = slot.globalMatch(text);
            while (matches.hasNext()) {
                const QRegularExpressionMatch m = matches.next();
                const QStringList names = m.captured(1).split('.');
                QString control;
                if (names.size() > 1 || names[0].at(0).isUpper()) control = names.last();
                control.remove(index);
                out.append({relative, i + 1, control, m.captured(2)});
            }
        }
    }
    return out;
}

TEST(CodeMap, TheSlotTableIsRead) {
    EXPECT_GT(slotTable().size(), 40);
    EXPECT_GT(assignments().size(), 150);
}

TEST(CodeMap, EverySlotTheSourcesSetIsInTheRowOfItsFile) {
    const QList<Row> rows = slotTable();
    for (const Assignment& a : assignments()) {
        const QString stem = QFileInfo(a.file).completeBaseName();
        bool listed = false;
        bool hasRow = false;
        for (const Row& row : rows) {
            if (!namesFile(row, stem)) continue;
            hasRow = true;
            if (holdsName(row, a.event) && (a.control.isEmpty() || holdsName(row, a.control))) listed = true;
        }
        const QString what = (a.control.isEmpty() ? QString() : a.control + '.') + a.event;
        EXPECT_TRUE(listed) << qPrintable(a.file) << ":" << a.line << " sets " << qPrintable(what) << ", which "
                            << (hasRow ? "its file's row of the table in docs/code-map.md does not name"
                                       : "no row of the table in docs/code-map.md lists (no row names the file)");
    }
}

}  // namespace
