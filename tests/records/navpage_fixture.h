#pragma once
// The whole program started on the navigation page, with helpers to set the page up, to run a tile
// menu item as the home page's right click leaves it (the clicked element is the source element of
// the home document's current context-menu event while the item runs), and to wait for the reload.
#include "support/program/program_fixture.h"
#include "support/waits.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/programfiles.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"
#include "records/navpage.h"

#include <QFile>

class NavPageFixture : public ProgramFixture {
protected:
    // Starts on the navigation page; `lines` (when given) are the page file's lines, else the program
    // writes the default page.
    void startOn(const QStringList& lines = {}) {
        setSetting(QStringLiteral("启动主页"), QStringLiteral("导航.html"));
        QFile::remove(navFile());
        if (!lines.isEmpty()) sys::writeLines(forms::navPagePath(), lines);
        ASSERT_TRUE(start());
        ASSERT_TRUE(waitForHome());
    }

    QString navFile() const { return sys::nativePath(forms::navPagePath()); }
    QByteArray fileBytes() const {
        QFile f(navFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList fileLines() const { return sys::readLines(forms::navPagePath()); }
    QStringList list() {
        QStringList all;
        for (int i = 0; i < f1().List1.listCount(); ++i) all << f1().List1.list(i);
        return all;
    }

    web::Document home() { return f1().WebBrowser1(1).document(); }
    web::Element element(const QString& id) { return home().getElementById(id); }

    // Waits until the home slot shows a finished copy of the page, not the one marked by markHome().
    bool waitForHome() {
        return waitFor([&] {
            const web::Document d = home();
            return !d.isNull() && d.url().endsWith(QStringLiteral("/导航.html")) && !f1().WebBrowser1(1).busy() &&
                   !d.body().isNull() && d.evaluate(QStringLiteral("typeof window.zvMarked")) == QLatin1String("undefined");
        });
    }
    // Marks the page shown now, so that a reload can be told from it.
    void markHome() { home().evaluate(QStringLiteral("window.zvMarked = 1")); }
    bool homeMarked() { return home().evaluate(QStringLiteral("typeof window.zvMarked")) == QLatin1String("number"); }

    // Runs item `item` of the tile menu as the right click on the element `id` leaves it: the home
    // document's context-menu event, with that element as its source, is current while the item runs.
    void runItem(int item, const QString& id) {
        const web::Document doc = home();
        web::DocumentEvent event;
        event.type = QStringLiteral("contextmenu");
        event.srcElement = doc.getElementById(id);
        event.button = 2;
        ASSERT_FALSE(event.srcElement.isNull()) << id.toStdString();
        markHome();
        web::enterEvent(doc, event);
        f4().BJDH100(item).click();
        web::leaveEvent();
    }
    // runItem, then waits for the reload that a rewrite starts.
    void runItemAndReload(int item, const QString& id) {
        runItem(item, id);
        ASSERT_TRUE(waitForHome());
    }
    // Gives the page a moment and tells whether it is still the one shown before the item.
    bool notReloaded() {
        waits::settle(150);
        return homeMarked();
    }
};
