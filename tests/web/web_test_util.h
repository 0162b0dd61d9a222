#pragma once
// Shared pieces of the web layer tests: a shown window holding browsers, a bounded wait, an event log.
#include "platform/web/document.h"
#include "platform/web/documentsink.h"
#include "platform/web/webbrowser.h"
#include "support/http_server.h"
#include "support/scripted_services.h"
#include "support/waits.h"
#include "support/word_spot.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Runs the event loop until `done` holds (what must happen; see support/waits.h).
inline bool waitUntil(const std::function<bool()>& done, int ms = waits::kMustHappenMs) {
    return waits::until(done, ms);
}

// Lets queued work run for a short while (for "nothing more happens" checks).
inline void settle(int ms = 150) { waits::settle(ms); }

// Real input through the page view, as the user makes it.
inline void mouse(QWidget* view, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, pos, view->mapToGlobal(pos), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &event);
}

inline void clickAt(QWidget* view, QPoint at) {
    mouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    mouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

inline void click(web::WebBrowser* b, const QString& id) {
    clickAt(b->pageWidget(), b->document().getElementById(id).boundingClientRect().center());
}

// A double click on `word` in the first text of the element, as the user selects a word.
inline void doubleClickWord(web::WebBrowser* b, const QString& id, const QString& word) {
    const QPoint at = wordSpot(b->document(), id, word);
    QWidget* view = b->pageWidget();
    clickAt(view, at);
    mouse(view, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    mouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

inline QString pagePath(const QString& name) { return QDir(QStringLiteral(ZV_TEST_PAGES)).filePath(name); }

class WebTest : public ::testing::Test {
protected:
    WebTest() {
        // Save As boxes start in a download folder of the test's own, never in the user's.
        hadDownloadDir_ = qEnvironmentVariableIsSet("XDG_DOWNLOAD_DIR");
        oldDownloadDir_ = qgetenv("XDG_DOWNLOAD_DIR");
        qputenv("XDG_DOWNLOAD_DIR", downloadFolder.path().toUtf8());
        window.resize(800, 600);
        window.show();
    }
    ~WebTest() override {
        if (hadDownloadDir_)
            qputenv("XDG_DOWNLOAD_DIR", oldDownloadDir_);
        else
            qunsetenv("XDG_DOWNLOAD_DIR");
    }

    // A browser in the window, filling it, with every event written to `log`.
    web::WebBrowser* makeBrowser(const QString& name = QStringLiteral("b")) {
        browsers.push_back(std::make_unique<web::WebBrowser>(&window));
        web::WebBrowser* b = browsers.back().get();
        b->move(0, 0, 800 * 15, 600 * 15);
        b->setVisible(true);
        record(b, name);
        return b;
    }

    void record(web::WebBrowser* b, const QString& name) {
        b->onBeforeNavigate2 = [this, name](const QString& url, int, const QString&, const QByteArray&,
                                            const QString&, bool&) { log << name + " BeforeNavigate2 " + url; };
        b->onNavigateComplete2 = [this, name](const QString& url) { log << name + " NavigateComplete2 " + url; };
        b->onTitleChange = [this, name](const QString& t) { log << name + " TitleChange " + t; };
        b->onDocumentComplete = [this, name](const QString& url) { log << name + " DocumentComplete " + url; };
        b->onDownloadComplete = [this, name] {
            log << name + " DownloadComplete";
            ++downloads[name];
        };
    }

    // Navigates and waits for the end of the top-level load.
    bool load(web::WebBrowser* b, const QString& url, const QString& headers = QString(),
              const QString& name = QStringLiteral("b")) {
        const int before = downloads[name];
        b->Navigate(url, 0, QString(), QByteArray(), headers);
        return waitUntil([&] { return downloads[name] > before && !b->busy(); });
    }

    QStringList entries(const QString& prefix) const {
        QStringList out;
        for (const QString& e : log)
            if (e.startsWith(prefix)) out << e;
        return out;
    }

    QTemporaryDir downloadFolder;
    ScriptedServices services;
    TestHttpServer server;
    QWidget window;
    std::vector<std::unique_ptr<web::WebBrowser>> browsers;
    QStringList log;
    std::map<QString, int> downloads;

private:
    bool hadDownloadDir_ = false;
    QByteArray oldDownloadDir_;
};
