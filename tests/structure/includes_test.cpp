// The shape of the code, read from the sources: dependencies point down (platform <- forms <-
// subsystems <- program), the few sideways ones between subsystems are listed in src/subsystems.txt
// and form no circle and no chain, no two files include each other (a header and its source count as
// one), and the toolkit's widget and page-engine headers stay inside the platform layer.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace {

const QString kSrc = QStringLiteral(ZV_SOURCE_DIR "/src");

// The folders above the platform that hold one subsystem each.
const QStringList kSubsystems = {"app", "mainwindow", "tabs", "page", "records", "analysis", "settings", "media"};

// Includes from one subsystem into another, read from src/subsystems.txt (the list the subsystem
// libraries' links are made from): one "from to  # why" a line. Keep the list short: each line is a
// dependency the design asks for (a command of one subsystem that opens another's window, say).
const QString kSidewaysFile = QStringLiteral(ZV_SOURCE_DIR "/src/subsystems.txt");

struct SidewaysList {
    QList<QPair<QString, QString>> edges;
    QStringList malformed;  // lines that are neither empty, a comment, nor "from to  # why"
};

SidewaysList readSideways() {
    static const QRegularExpression edge(QStringLiteral("^\\s*([a-z]+)\\s+([a-z]+)\\s*(#[^;]*)?$"));
    SidewaysList list;
    QFile f(kSidewaysFile);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        list.malformed << QStringLiteral("cannot read ") + kSidewaysFile;
        return list;
    }
    QTextStream in(&f);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QString bare = line.left(line.indexOf('#')).trimmed();
        if (bare.isEmpty() && !line.contains(';')) continue;
        const auto m = edge.match(line);
        if (!m.hasMatch() || !kSubsystems.contains(m.captured(1)) || !kSubsystems.contains(m.captured(2))) {
            list.malformed << line;
            continue;
        }
        list.edges.append({m.captured(1), m.captured(2)});
    }
    return list;
}

const QList<QPair<QString, QString>>& sideways() {
    static const QList<QPair<QString, QString>> edges = readSideways().edges;
    return edges;
}

// The unit a file belongs to: "platform/rt" .. "platform/web", "forms", a subsystem, or "program".
QString unitOf(const QString& relative) {
    const QStringList parts = relative.split('/');
    if (parts.size() == 1) return QStringLiteral("program");
    if (parts[0] == QLatin1String("platform")) return parts[0] + '/' + parts[1];
    return parts[0];
}

// Lower ranks may be included from higher ones.
int rankOf(const QString& unit) {
    static const QMap<QString, int> ranks = {{"platform/rt", 0}, {"platform/sys", 1}, {"platform/ui", 2},
                                             {"platform/web", 3}, {"forms", 10},     {"program", 30}};
    if (ranks.contains(unit)) return ranks.value(unit);
    if (kSubsystems.contains(unit)) return 20;
    return -1;
}

struct Include {
    QString from;  // file, relative to src/
    QString to;    // included path, relative to src/
};

QStringList sources() {
    QStringList files;
    QDirIterator it(kSrc, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(kSrc).relativeFilePath(it.next());
    files.sort();
    return files;
}

QList<Include> projectIncludes(QStringList* systemHeaders = nullptr, QStringList* systemFrom = nullptr) {
    static const QRegularExpression quoted(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""));
    static const QRegularExpression angled(QStringLiteral("^\\s*#\\s*include\\s+<([^>]+)>"));
    QList<Include> out;
    for (const QString& file : sources()) {
        QFile f(kSrc + '/' + file);
        if (!f.open(QIODevice::ReadOnly)) continue;
        QTextStream in(&f);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            const auto q = quoted.match(line);
            if (q.hasMatch()) out.append({file, q.captured(1)});
            const auto a = angled.match(line);
            if (a.hasMatch() && systemHeaders) {
                *systemHeaders << a.captured(1);
                *systemFrom << file;
            }
        }
    }
    return out;
}

// The module of a file: its path without the suffix (a header and its source are one module).
QString moduleOf(const QString& file) { return file.left(file.lastIndexOf('.')); }

// A circle in a graph, as a list of nodes; empty when there is none.
QStringList findCircle(const QMap<QString, QSet<QString>>& graph) {
    QMap<QString, int> state;  // 0 new, 1 on the path, 2 done
    QStringList path;
    QStringList circle;
    std::function<bool(const QString&)> visit = [&](const QString& node) {
        state[node] = 1;
        path << node;
        for (const QString& next : graph.value(node)) {
            if (state.value(next) == 1) {
                circle = path.mid(path.indexOf(next)) << next;
                return true;
            }
            if (state.value(next) == 0 && visit(next)) return true;
        }
        path.removeLast();
        state[node] = 2;
        return false;
    };
    for (const QString& node : graph.keys())
        if (state.value(node) == 0 && visit(node)) return circle;
    return {};
}

TEST(Structure, EveryFileLiesInAKnownLayer) {
    for (const QString& file : sources()) EXPECT_GE(rankOf(unitOf(file)), 0) << file.toStdString();
}

TEST(Structure, IncludesPointDownOrAlongANamedSidewaysPath) {
    const QList<Include> includes = projectIncludes();
    ASSERT_FALSE(includes.isEmpty());
    for (const Include& inc : includes) {
        ASSERT_TRUE(QFileInfo::exists(kSrc + '/' + inc.to)) << inc.from.toStdString() << " includes "
                                                            << inc.to.toStdString() << ", which is not under src/";
        const QString from = unitOf(inc.from);
        const QString to = unitOf(inc.to);
        if (from == to || rankOf(to) < rankOf(from)) continue;
        EXPECT_TRUE(sideways().contains({from, to}))
            << inc.from.toStdString() << " includes " << inc.to.toStdString() << ": " << from.toStdString()
            << " may not depend on " << to.toStdString();
    }
}

TEST(Structure, TheSidewaysListIsReadable) {
    const SidewaysList list = readSideways();
    EXPECT_EQ(list.malformed.join('\n').toStdString(), "");
    EXPECT_FALSE(list.edges.isEmpty());
}

TEST(Structure, SidewaysPathsMakeNoCircle) {
    QMap<QString, QSet<QString>> graph;
    for (const auto& edge : sideways()) graph[edge.first].insert(edge.second);
    EXPECT_EQ(findCircle(graph).join(" -> ").toStdString(), "");
}

// The subsystems sit on at most two floors: one that includes another is never included by one, so
// no sideways path goes through a third subsystem.
TEST(Structure, SidewaysPathsMakeNoChain) {
    QSet<QString> sources;
    for (const auto& edge : sideways()) sources.insert(edge.first);
    for (const auto& edge : sideways()) {
        EXPECT_FALSE(sources.contains(edge.second))
            << edge.first.toStdString() << " -> " << edge.second.toStdString() << ": " << edge.second.toStdString()
            << " includes another subsystem itself";
    }
}

TEST(Structure, NoTwoModulesIncludeEachOther) {
    QMap<QString, QSet<QString>> graph;
    for (const Include& inc : projectIncludes()) {
        const QString from = moduleOf(inc.from);
        const QString to = moduleOf(inc.to);
        if (from != to) graph[from].insert(to);
    }
    EXPECT_EQ(findCircle(graph).join(" -> ").toStdString(), "");
}

TEST(Structure, WidgetAndEngineHeadersStayInThePlatform) {
    QStringList headers, from;
    projectIncludes(&headers, &from);
    const QStringList forbiddenDirs = QString::fromUtf8(ZV_QT_GUARDED_DIRS).split('|', Qt::SkipEmptyParts);
    ASSERT_FALSE(forbiddenDirs.isEmpty());
    for (int i = 0; i < headers.size(); ++i) {
        if (from[i].startsWith(QLatin1String("platform/")) || from[i] == QLatin1String("main.cpp")) continue;
        for (const QString& dir : forbiddenDirs) {
            EXPECT_FALSE(QFileInfo::exists(dir + '/' + headers[i]))
                << from[i].toStdString() << " includes <" << headers[i].toStdString() << ">, a header of "
                << dir.toStdString();
        }
    }
}

}  // namespace
