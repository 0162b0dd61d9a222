// zv-bench: the program against a bare engine view, side by side.
//
// Serves a small page and a large page on loopback, starts the bare view and the program in turn
// (bare, program, bare, program, ...), and measures each run with the functions of `kMeasures`. Every
// side runs in the same fresh session folder: a temporary HOME with its XDG folders, and for the
// program a temporary copy of its program folder (the executable and the shipped data tree). One
// uncounted warm-up run of each side comes first, so counted runs are ordinary starts, not the first.
//
// Prints, for every measure, the median of each side and the median (and range) of the ratios
// program/bare taken run by run: the two runs of a pair share the machine's load of the moment.
#include "loopback.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Value = std::optional<double>;

// ---------------------------------------------------------------------------------------------
// The pages

// A 1 x 1 GIF: the picture whose request marks the end of a page.
const QByteArray kPicture = QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");

QByteArray smallPage() {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>small</title></head><body>\n"
           "<h1>Zelvaro bench</h1><p>A small page.</p>\n"
           "<img src=\"/small-end.gif\" width=\"1\" height=\"1\">\n"
           "</body></html>\n";
}

// 5 000 rows of five elements (25 000 elements), then the picture.
QByteArray largePage() {
    QByteArray html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>large</title></head><body>\n";
    for (int i = 0; i < 5000; ++i) {
        const QByteArray n = QByteArray::number(i);
        html += "<div class=\"row\"><span>row " + n + "</span> <a href=\"/item/" + n + "\">item " + n + "</a> <b>" +
                QByteArray::number(i * 7 % 1000) + "</b> <i>text " + n + "</i></div>\n";
    }
    html += "<img src=\"/large-end.gif\" width=\"1\" height=\"1\">\n</body></html>\n";
    return html;
}

// The element-list page: 2 000 rows of five elements, 10 000 elements in its body.
QByteArray listPage() {
    QByteArray html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>list</title></head><body>\n";
    for (int i = 0; i < 2000; ++i) {
        const QByteArray n = QByteArray::number(i);
        html += "<div class=\"row\"><span>row " + n + "</span> <a href=\"/item/" + n + "\">item " + n + "</a> <b>" + n +
                "</b> <i>text " + n + "</i></div>\n";
    }
    return html + "</body></html>\n";
}

// The head page: a head of about 300 000 characters whose elements carry 2 000 distinct attribute
// names (data-field0 .. data-field1999, each used about twice), for the head view.
QByteArray headPage() {
    QByteArray html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>head</title>\n";
    for (int i = 0; html.size() < 300000; ++i) {
        const QByteArray n = QByteArray::number(i % 2000);
        html += "<meta name=\"row" + QByteArray::number(i) + "\" data-field" + n + "=\"value " + n +
                "\" content=\"text of the head, for the head view\">\n";
    }
    return html + "</head><body><p>head</p></body></html>\n";
}

void addPages(LoopbackServer& server) {
    server.addPage(QStringLiteral("/small.html"), smallPage());
    server.addPage(QStringLiteral("/small-end.gif"), kPicture, "image/gif");
    server.addPage(QStringLiteral("/large.html"), largePage());
    server.addPage(QStringLiteral("/large-end.gif"), kPicture, "image/gif");
    server.addPage(QStringLiteral("/list.html"), listPage());
    server.addPage(QStringLiteral("/head.html"), headPage());
}

// ---------------------------------------------------------------------------------------------
// One run of one side

struct Side {
    QString name;
    QString executable;
    QString workingDir;
    QString probe;      // the mouse-move probe
    QString probeKind;  // its first argument: "bare" or "program"
};

// The process of one side during one run. `open(path)` starts it with the address of `path` on the
// command line, unless it already runs with that address, so measures that use the same page share
// one start. The process is killed when another address is opened and when the run ends.
class Run {
public:
    Run(const Side& side, LoopbackServer& server, const QElapsedTimer& clock, const QProcessEnvironment& env)
        : side_(side), server_(server), clock_(clock), env_(env) {}
    ~Run() { kill(); }

    void open(const QString& path) {
        if (process_ && path == path_) return;
        start(path, side_.executable, {server_.url(path)});
    }

    // Starts the side's mouse-move probe on the address of `path` (bench/mousemove_probe.cpp), which
    // reports to /report-mousemove and /report-linkhover, unless it already runs.
    void openProbe(const QString& path) {
        const QString key = QStringLiteral("probe ") + path;
        if (process_ && path_ == key) return;
        start(key, side_.probe, {side_.probeKind, server_.url(path), server_.url(QStringLiteral("/report"))});
    }

    // When the process started (before the system call that starts it), on the runner's clock.
    double startedAtMs() const { return startedAtMs_; }

    // The first request of `path` since the process started (its arrival time and query), waiting for
    // it; nothing when it did not come within the time or the process ended.
    std::optional<LoopbackServer::Request> waitFor(const QString& path, int timeoutMs = 60000) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            for (const LoopbackServer::Request& r : server_.requests())
                if (r.path == path) return r;
            if (!running()) {
                note(QStringLiteral("ended before requesting ") + path + stderrTail());
                return std::nullopt;
            }
            const qint64 left = timeoutMs - waited.elapsed();
            if (left <= 0) {
                note(QStringLiteral("never requested ") + path);
                return std::nullopt;
            }
            QEventLoop loop;
            QTimer::singleShot(int(std::min<qint64>(left, 200)), &loop, &QEventLoop::quit);
            QObject::connect(&server_, &LoopbackServer::requestReceived, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }

    // VmRSS in MiB once it holds still: samples 100 ms apart until five in a row stay within 256 KiB
    // (at most five seconds).
    Value settledRssMiB() {
        std::vector<qint64> samples;
        for (int i = 0; i < 50 && running(); ++i) {
            const qint64 kib = rssKiB();
            if (kib < 0) break;
            samples.push_back(kib);
            if (samples.size() >= 5) {
                const auto last = samples.end() - 5;
                const auto [lo, hi] = std::minmax_element(last, samples.end());
                if (*hi - *lo <= 256) return samples.back() / 1024.0;
            }
            wait(100);
        }
        if (samples.empty()) {
            note(QStringLiteral("no resident memory to read"));
            return std::nullopt;
        }
        return samples.back() / 1024.0;
    }

    void kill() {
        if (!process_) return;
        if (process_->state() != QProcess::NotRunning) {
            process_->kill();
            process_->waitForFinished(10000);
        }
        process_.reset();
        path_.clear();
    }

    const QStringList& notes() const { return notes_; }

private:
    void start(const QString& key, const QString& executable, const QStringList& arguments) {
        kill();
        path_ = key;
        // Requests a killed process left in the server's sockets are read now, and forgotten.
        QCoreApplication::processEvents();
        server_.clearRequests();
        process_ = std::make_unique<QProcess>();
        process_->setProcessEnvironment(env_);
        process_->setWorkingDirectory(side_.workingDir);
        process_->setStandardOutputFile(QProcess::nullDevice());
        process_->setProcessChannelMode(QProcess::SeparateChannels);
        startedAtMs_ = clock_.nsecsElapsed() / 1e6;
        process_->start(executable, arguments);
        if (!process_->waitForStarted(10000)) note(QStringLiteral("did not start: ") + process_->errorString());
    }

    bool running() const { return process_ && process_->state() == QProcess::Running; }

    qint64 rssKiB() const {
        QFile status(QStringLiteral("/proc/%1/status").arg(process_->processId()));
        if (!status.open(QIODevice::ReadOnly)) return -1;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
        return -1;
    }

    static void wait(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }

    QString stderrTail() const {
        const QByteArray err = process_ ? process_->readAllStandardError().right(600) : QByteArray();
        return err.isEmpty() ? QString() : QStringLiteral("; its last output:\n") + QString::fromLocal8Bit(err);
    }

    void note(const QString& text) { notes_ << side_.name + QStringLiteral(" (") + path_ + QStringLiteral("): ") + text; }

    const Side& side_;
    LoopbackServer& server_;
    const QElapsedTimer& clock_;
    QProcessEnvironment env_;
    std::unique_ptr<QProcess> process_;
    QString path_;
    double startedAtMs_ = 0;
    QStringList notes_;
};

// ---------------------------------------------------------------------------------------------
// The measures: one function each, run in this order on the same Run of a side.

// Process start to the first request of the address given on its command line.
Value startUp(Run& run) {
    run.open(QStringLiteral("/small.html"));
    const auto first = run.waitFor(QStringLiteral("/small.html"), 30000);
    if (!first) return std::nullopt;
    return first->atMs - run.startedAtMs();
}

// Resident memory once the small page has loaded and the process holds still.
Value memorySmall(Run& run) {
    run.open(QStringLiteral("/small.html"));
    if (!run.waitFor(QStringLiteral("/small-end.gif"))) return std::nullopt;
    return run.settledRssMiB();
}

// Request of the large page to the request of the picture at its end.
Value largeLoad(Run& run) {
    run.open(QStringLiteral("/large.html"));
    const auto page = run.waitFor(QStringLiteral("/large.html"), 30000);
    if (!page) return std::nullopt;
    const auto end = run.waitFor(QStringLiteral("/large-end.gif"));
    if (!end) return std::nullopt;
    return end->atMs - page->atMs;
}

// A value the side's probe measured on the large page and reported as `kind`: the median mouse move,
// from its delivery to the page's widget until it returned, within text ("mousemove") or between a
// link and text ("linkhover"); the time of a table of the page ("tagtable", "attributetable").
Value probed(Run& run, const QString& kind) {
    run.openProbe(QStringLiteral("/large.html"));
    const auto report = run.waitFor(QStringLiteral("/report-") + kind);
    if (!report) return std::nullopt;
    bool ok = false;
    const double value = report->query.toDouble(&ok);
    if (!ok) return std::nullopt;
    return value;
}
Value mouseMove(Run& run) { return probed(run, QStringLiteral("mousemove")); }
Value linkHover(Run& run) { return probed(run, QStringLiteral("linkhover")); }
Value tagTable(Run& run) { return probed(run, QStringLiteral("tagtable")); }
Value attributeTable(Run& run) { return probed(run, QStringLiteral("attributetable")); }

// A value the side's probe measured on the page `path` and reported as `kind`; a negative value is
// none (the probe could not start the work).
Value reportedOn(Run& run, const QString& path, const QString& kind) {
    run.openProbe(path);
    const auto report = run.waitFor(QStringLiteral("/report-") + kind);
    bool ok = false;
    const double value = report ? report->query.toDouble(&ok) : -1;
    if (!ok || value < 0) return std::nullopt;
    return value;
}

// One tick of an element-list run over the 10 000 body elements of the list page (the job
// ElementListStep ticks every 70 ms), in microseconds, as the side's probe measured it: in the program
// the tick with its press of the worker, on the bare side the engine's walk of the same body.
Value elementListTick(Run& run) { return reportedOn(run, QStringLiteral("/list.html"), QStringLiteral("elementlist")); }

// The head view ("02>HEAD") of the head page, in milliseconds, as the side's probe measured it: in
// the program the whole view (the head's source read, escaped, coloured, written and shown), on the
// bare side the engine's own reading of the head's source.
Value headView(Run& run) { return reportedOn(run, QStringLiteral("/head.html"), QStringLiteral("headview")); }

// Resident memory once the large page has loaded and the process holds still.
Value memoryLarge(Run& run) {
    run.open(QStringLiteral("/large.html"));
    if (!run.waitFor(QStringLiteral("/large-end.gif"))) return std::nullopt;
    return run.settledRssMiB();
}

struct Measure {
    const char* name;
    const char* unit;
    std::function<Value(Run&)> measure;
};

const Measure kMeasures[] = {
    {"start-up", "ms", startUp},
    {"memory, small page", "MiB", memorySmall},
    {"large-page load", "ms", largeLoad},
    {"memory, large page", "MiB", memoryLarge},
    {"mouse move, large page", "us", mouseMove},
    {"link hover, large page", "us", linkHover},
    {"tag table, large page", "ms", tagTable},
    {"attribute table, large page", "ms", attributeTable},
    {"element-list tick, list page", "us", elementListTick},
    {"head view, head page", "ms", headView},
};
constexpr int kMeasureCount = int(sizeof(kMeasures) / sizeof(kMeasures[0]));

// ---------------------------------------------------------------------------------------------
// Session folder, statistics, output

bool copyTree(const QString& from, const QString& to) {
    if (!QDir().mkpath(to)) return false;
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(file, target)) return false;
    }
    return true;
}

// Sets keys of the program's 应用.txt (GBK, CR LF, one section): a key's line is replaced, a key
// the file does not have is added at its end.
bool applySettings(const QString& programFolder, const QStringList& settings) {
    if (settings.isEmpty()) return true;
    QTextCodec* gbk = QTextCodec::codecForName("GBK");
    QFile file(programFolder + QStringLiteral("/txt/应用.txt"));
    if (!gbk || !file.open(QIODevice::ReadOnly)) return false;
    QStringList lines = gbk->toUnicode(file.readAll()).split(QStringLiteral("\r\n"));
    file.close();
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (const QString& setting : settings) {
        const int eq = setting.indexOf(QLatin1Char('='));
        if (eq <= 0) return false;
        const QString key = setting.left(eq);
        bool replaced = false;
        for (QString& line : lines) {
            if (line.section(QLatin1Char('='), 0, 0).trimmed() == key) {
                line = setting;
                replaced = true;
                break;
            }
        }
        if (!replaced) lines << setting;
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(gbk->fromUnicode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))) > 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString padLeft(const QString& s, int width) { return s.rightJustified(width); }
QString padRight(const QString& s, int width) { return s.leftJustified(width); }

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}
QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zv-bench"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("The program against a bare engine view, side by side."));
    options.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Counted runs of each side (7)."),
                                        QStringLiteral("n"), QStringLiteral("7"));
    const QCommandLineOption programOption(QStringLiteral("program"), QStringLiteral("The program's executable."),
                                           QStringLiteral("file"), QString::fromUtf8(ZV_BENCH_PROGRAM));
    const QCommandLineOption bareOption(QStringLiteral("bare"), QStringLiteral("The bare engine view."),
                                        QStringLiteral("file"), QString::fromUtf8(ZV_BENCH_BARE));
    const QCommandLineOption probeOption(QStringLiteral("probe"), QStringLiteral("The mouse-move probe."),
                                         QStringLiteral("file"), QString::fromUtf8(ZV_BENCH_PROBE));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("The shipped data tree."),
                                        QStringLiteral("folder"), QString::fromUtf8(ZV_BENCH_DATA));
    const QCommandLineOption settingOption(
        QStringLiteral("setting"), QStringLiteral("A key of the program's 应用.txt for the session, as key=value (repeatable)."),
        QStringLiteral("key=value"));
    options.addOptions({runsOption, programOption, bareOption, probeOption, dataOption, settingOption});
    options.process(application);
    const int runs = options.value(runsOption).toInt();
    if (runs < 1) {
        err() << "zv-bench: --runs needs a whole number of at least 1\n";
        return 2;
    }

    // The session: a temporary HOME with its XDG folders, and the program's folder.
    QTemporaryDir session(QDir::tempPath() + QStringLiteral("/zv-bench-XXXXXX"));
    if (!session.isValid()) {
        err() << "zv-bench: no temporary folder\n";
        return 1;
    }
    const QString home = session.filePath(QStringLiteral("home"));
    const QString programFolder = session.filePath(QStringLiteral("program"));
    const QString runtimeDir = session.filePath(QStringLiteral("runtime"));
    const QString programExe = programFolder + QLatin1Char('/') + QFileInfo(options.value(programOption)).fileName();
    for (const QString& dir : {home, runtimeDir, programFolder + QStringLiteral("/html")}) QDir().mkpath(dir);
    QFile::setPermissions(runtimeDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!copyTree(options.value(dataOption), programFolder) || !QFile::copy(options.value(programOption), programExe)) {
        err() << "zv-bench: cannot make the program folder from " << options.value(programOption) << " and "
              << options.value(dataOption) << "\n";
        return 1;
    }
    QFile::setPermissions(programExe, QFile::permissions(options.value(programOption)));
    const QStringList settings = options.values(settingOption);
    if (!applySettings(programFolder, settings)) {
        err() << "zv-bench: cannot set " << settings.join(QLatin1Char(' ')) << " in the program's 应用.txt\n";
        return 1;
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/.local/state"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    if (env.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QElapsedTimer clock;
    clock.start();
    LoopbackServer server(clock);
    if (!server.listening()) {
        err() << "zv-bench: cannot listen on loopback\n";
        return 1;
    }
    addPages(server);

    const Side sides[] = {
        {QStringLiteral("bare"), options.value(bareOption), session.path(), options.value(probeOption), QStringLiteral("bare")},
        {QStringLiteral("program"), programExe, programFolder, options.value(probeOption), QStringLiteral("program")},
    };
    // values[side][measure] holds one entry per counted run; a failed measure is empty.
    std::vector<Value> values[2][kMeasureCount];
    QStringList failures;

    out() << "zv-bench: " << runs << " runs of each side, interleaved, after one warm-up; QT_QPA_PLATFORM="
          << env.value(QStringLiteral("QT_QPA_PLATFORM")) << "\n";
    if (!settings.isEmpty()) out() << "program settings: " << settings.join(QLatin1Char(' ')) << "\n";
    out().flush();
    for (int k = 0; k <= runs; ++k) {
        const bool counted = k > 0;
        const QString label = counted ? QStringLiteral("run %1/%2").arg(k).arg(runs) : QStringLiteral("warm-up");
        QString line = label;
        for (int s = 0; s < 2; ++s) {
            Run run(sides[s], server, clock, env);
            line += QStringLiteral("  %1:").arg(sides[s].name);
            for (int m = 0; m < kMeasureCount; ++m) {
                const Value v = kMeasures[m].measure(run);
                if (counted) values[s][m].push_back(v);
                line += v ? QStringLiteral(" %1").arg(*v, 0, 'f', 1) : QStringLiteral(" -");
            }
            run.kill();
            for (const QString& n : run.notes()) failures << label + QStringLiteral(", ") + n;
        }
        err() << line << "\n";
        err().flush();
    }

    // The table.
    const int w0 = 34, w = 10;
    out() << "\n"
          << padRight(QStringLiteral("measure"), w0) << padLeft(QStringLiteral("bare"), w) << padLeft(QStringLiteral("program"), w)
          << padLeft(QStringLiteral("program/bare"), w + 4) << padLeft(QStringLiteral("ratio range"), w + 4) << "\n";
    for (int m = 0; m < kMeasureCount; ++m) {
        std::vector<double> bare, program, ratios;
        for (int k = 0; k < runs; ++k) {
            const Value b = values[0][m][k], p = values[1][m][k];
            if (b) bare.push_back(*b);
            if (p) program.push_back(*p);
            if (b && p && *b > 0) ratios.push_back(*p / *b);
        }
        auto cell = [&](const std::vector<double>& v) { return v.empty() ? QStringLiteral("-") : QString::number(median(v), 'f', 1); };
        QString range = QStringLiteral("-");
        if (!ratios.empty()) {
            const auto [lo, hi] = std::minmax_element(ratios.begin(), ratios.end());
            range = QStringLiteral("%1-%2").arg(*lo, 0, 'f', 2).arg(*hi, 0, 'f', 2);
        }
        out() << padRight(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(kMeasures[m].name), QString::fromUtf8(kMeasures[m].unit)), w0)
              << padLeft(cell(bare), w) << padLeft(cell(program), w)
              << padLeft(ratios.empty() ? QStringLiteral("-") : QStringLiteral("%1x").arg(median(ratios), 0, 'f', 2), w + 4)
              << padLeft(range, w + 4) << "\n";
    }
    out() << "medians of " << runs << " runs; program/bare is the median of the run-by-run ratios\n";
    out().flush();
    if (!failures.isEmpty()) {
        err() << "\nfailed measures:\n" << failures.join(QLatin1Char('\n')) << "\n";
        return 1;
    }
    return 0;
}
