// zv-mousemove-probe: one side of the benchmark's mouse-move rows.
//
//   zv-mousemove-probe bare <address> <report address>
//   zv-mousemove-probe program <address> <report address>    (run in a program folder)
//
// Loads the address (a bare engine view, or the whole program started with the address on its
// command line, as `main` starts it), waits until the page has loaded and one second more (the
// program has then finished its work on the page), and sends mouse moves to the page's widget the way
// the windowing system delivers them, so they are user-made events for the page: every listener runs,
// in the program the one that carries document events to it. Each move is timed from its delivery
// until it returns. Two series, each reported as its median in microseconds:
//  - moves within one element of text: "<report address>-mousemove?<us>";
//  - moves between a link and text, which also change the status text (the program's hint bar
//    follows it): "<report address>-linkhover?<us>".
// Then the tables of the large page, each reported in milliseconds: the tag table of its "div"
// elements ("<report address>-tagtable?<ms>") and the attribute table of "class" over every element
// ("<report address>-attributetable?<ms>"); the bare view times the engine's own walk of the same
// elements (the source of every div; the class of every element).
// On the element-list page ("/list.html") the probe measures one tick of an element-list run instead,
// in microseconds, the median of 50 ("<report address>-elementlist?<us>"): in the program a run over
// the page is started as "01>HTML" starts it, and the job ElementListStep ticks as its clock would
// tick it (the percentage, the step counter, then one press of the worker `Command11`); the bare view
// times the engine's own walk of the same body (every element below it, then the one element a tick
// lists).
// On the head page ("/head.html", a head of about 300 000 characters with 2 000 distinct attribute
// names) the probe times the head view in milliseconds ("<report address>-headview?<ms>"): in the
// program "02>HEAD" as the document menu runs it (the head's source read, escaped, coloured, written
// and shown); the bare view times the engine's own reading of the head's source. The median of 6,
// after one untimed (in the program the first also makes the source window).
// The process then waits to be killed.
#include "analysis/attributetables.h"
#include "analysis/elementlist.h"
#include "analysis/pageviews.h"
#include "analysis/tagviews.h"
#include "analysis/views.h"
#include "forms/form1.h"
#include "forms/jobs.h"
#include "forms/parts.h"
#include "forms/windowowner.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"
#include "program.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <QWebElement>
#include <QWebElementCollection>
#include <QWebFrame>
#include <QWebView>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kWarmUp = 20;
constexpr int kMoves = 400;

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        wait(20);
    }
    return true;
}

// Moves between the two points, the first kWarmUp untimed; the median of the others in microseconds.
double medianMove(QWidget* view, QPoint a, QPoint b) {
    std::vector<double> us;
    for (int i = 0; i < kWarmUp + kMoves; ++i) {
        const QPoint at = (i % 2 ? b : a) + QPoint(i % 3, 0);
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QElapsedTimer t;
        t.start();
        QCoreApplication::sendEvent(view, &move);
        const double elapsed = t.nsecsElapsed() / 1000.0;
        if (i >= kWarmUp) us.push_back(elapsed);
        // What a move leaves for later (repaints) runs between the moves, untimed.
        QCoreApplication::processEvents();
    }
    std::sort(us.begin(), us.end());
    return (us[us.size() / 2 - 1] + us[us.size() / 2]) / 2;
}

void report(const QString& address, double value) {
    auto* network = new QNetworkAccessManager(qApp);
    QUrl url(address);
    url.setQuery(QString::number(value, 'f', 2));
    network->get(QNetworkRequest(url));
}

// The milliseconds a piece of work takes.
double timedMs(const std::function<void()>& work) {
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed() / 1e6;
}

// The program's own services, except that every message box is answered Yes (the question before an
// element-list run).
class AnswerYes : public ui::Services {
public:
    explicit AnswerYes(ui::Services& real) : real_(real) {}
    int msgBox(const QString&, int, const QString&) override { return ui::vbYes; }
    QString inputBox(const QString& prompt, const QString& title, const QString& text, double x, double y) override {
        return real_.inputBox(prompt, title, text, x, y);
    }
    QString openFileName(const QString& title, const QString& filter, const QString& folder) override {
        return real_.openFileName(title, filter, folder);
    }
    QString saveFileName(const QString& title, const QString& name, const QString& folder) override {
        return real_.saveFileName(title, name, folder);
    }
    int popupMenu(const ui::PopupRequest& menu) override { return real_.popupMenu(menu); }
    QString clipboardText() override { return real_.clipboardText(); }
    void setClipboardText(const QString& text) override { real_.setClipboardText(text); }
    QRect screenTwips() override { return real_.screenTwips(); }
    QRect workAreaTwips() override { return real_.workAreaTwips(); }
    std::vector<QRect> workAreasTwips() override { return real_.workAreasTwips(); }
    QStringList fontFamilies() override { return real_.fontFamilies(); }
    QDateTime now() override { return real_.now(); }
    void exitProcess(int code) override { real_.exitProcess(code); }

private:
    ui::Services& real_;
};

constexpr int kTicks = 50;
constexpr int kViews = 6;

double medianOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double timedUs(const std::function<void()>& work) { return timedMs(work) * 1000; }

// One element-list tick in the program: a run over the front page, then its job-7 ticks for the body
// elements 0, 1, 2, ... (the first uncounted: it also opens the body's part of the list); the median
// in microseconds, or -1 when no run started.
double elementListTick() {
    AnswerYes yes(ui::services());
    ui::setServices(&yes);
    forms::part<ElementList>().start();
    ui::setServices(nullptr);
    ui::Timer& job = forms::jobTimer(forms::form1(), forms::Job::ElementListStep);
    if (!job.enabled()) return -1;
    std::vector<double> us;
    for (int i = 0; i <= kTicks; ++i) {
        const double elapsed = timedUs([&] { job.tick(); });
        if (i > 0) us.push_back(elapsed);
    }
    job.setEnabled(false);
    return medianOf(us);
}

// The engine's own walk of the same body, as often: every element below it, then element i.
double bareElementListTick(QWebFrame* frame, qint64& walked) {
    const QWebElement body = frame->findFirstElement(QStringLiteral("body"));
    std::vector<double> us;
    for (int i = 0; i <= kTicks; ++i) {
        const double elapsed = timedUs([&] {
            const QWebElementCollection all = body.findAll(QStringLiteral("*"));
            walked += all.count() + all.at(i).toOuterXml().size();
        });
        if (i > 0) us.push_back(elapsed);
    }
    return medianOf(us);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() != 4 || (args[1] != QLatin1String("bare") && args[1] != QLatin1String("program"))) return 2;
    const QString address = args[2];
    const QString path = QUrl(address).path();

    std::unique_ptr<QWebView> bare;
    std::unique_ptr<Program> program;
    QWidget* view = nullptr;
    std::function<QRect(const QString&)> firstOf;
    std::function<void()> tagTable, attributeTable;
    qint64 walked = 0;  // what the bare walks read, so they are not left out
    if (args[1] == QLatin1String("bare")) {
        bare = std::make_unique<QWebView>();
        bare->setGeometry(46, 40, 707, 520);
        bool loaded = false;
        QObject::connect(bare.get(), &QWebView::loadFinished, [&] { loaded = true; });
        bare->load(QUrl(address));
        bare->show();
        if (!waitUntil([&] { return loaded; }, 60000)) return 1;
        view = bare.get();
        firstOf = [&](const QString& tag) { return bare->page()->mainFrame()->findFirstElement(tag).geometry(); };
        tagTable = [&] {
            for (const QWebElement& e : bare->page()->mainFrame()->findAllElements(QStringLiteral("div"))) walked += e.toOuterXml().size();
        };
        attributeTable = [&] {
            for (const QWebElement& e : bare->page()->mainFrame()->findAllElements(QStringLiteral("*")))
                walked += e.attribute(QStringLiteral("class")).size();
        };
    } else {
        sys::setAppPath(QDir::currentPath());
        program = std::make_unique<Program>(address);
        if (!program->start()) return 1;
        web::WebBrowser& home = forms::form1().WebBrowser1(1);
        const bool loaded = waitUntil(
            [&] {
                try {
                    return !home.busy() && home.document().url().endsWith(path) && !home.document().body().isNull();
                } catch (...) {
                    return false;
                }
            },
            60000);
        if (!loaded) return 1;
        view = home.pageWidget();
        firstOf = [&home](const QString& tag) { return home.document().getElementsByTagName(tag).value(0).boundingClientRect(); };
        tagTable = [] {
            forms::part<TagViews>().tagTable(analysis::drawViewNumber(), QStringLiteral("div"), QStringLiteral("div"));
        };
        attributeTable = [] { forms::part<AttributeTables>().attributeTable(analysis::drawViewNumber(), QStringLiteral("class")); };
    }
    wait(1000);
    if (path == QLatin1String("/head.html")) {
        const std::function<void()> view = bare ? std::function<void()>([&] {
            walked += bare->page()->mainFrame()->findFirstElement(QStringLiteral("head")).toOuterXml().size();
        })
                                                : std::function<void()>([] { forms::part<PageViews>().headView(); });
        std::vector<double> ms;
        for (int i = 0; i <= kViews; ++i) {
            const double elapsed = timedMs(view);
            if (i > 0) ms.push_back(elapsed);
            QCoreApplication::processEvents();  // the source window loads the view shown, untimed
        }
        report(args[3] + QStringLiteral("-headview"), walked < 0 ? -1 : medianOf(ms));
        return application.exec();
    }
    if (path == QLatin1String("/list.html")) {
        report(args[3] + QStringLiteral("-elementlist"),
               bare ? bareElementListTick(bare->page()->mainFrame(), walked) : elementListTick());
        return application.exec();
    }
    const QRect link = firstOf(QStringLiteral("a"));
    const QRect text = firstOf(QStringLiteral("span"));
    if (link.isEmpty() || text.isEmpty() || text.width() < 8) return 1;
    const QPoint inText = text.center() - QPoint(text.width() / 4, 0);
    report(args[3] + QStringLiteral("-mousemove"), medianMove(view, inText, text.center()));
    report(args[3] + QStringLiteral("-linkhover"), medianMove(view, link.center(), text.center()));
    report(args[3] + QStringLiteral("-tagtable"), timedMs(tagTable));
    report(args[3] + QStringLiteral("-attributetable"), timedMs(attributeTable));
    if (walked < 0) return 1;
    return application.exec();
}
