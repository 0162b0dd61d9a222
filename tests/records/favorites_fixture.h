#pragma once
// The whole program, started, with a favorites file written by the test, and a person's mouse on the
// favorites page. Pages the records point to are served by the loopback server, which records every
// request (with its headers).
#include "support/program/program_fixture.h"
#include "support/waits.h"
#include "support/stored_settings.h"

#include "forms/form1.h"
#include "forms/form14.h"
#include "forms/form4.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/useragent.h"
#include "forms/windowowner.h"
#include "platform/rt/random.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "records/favoriterecord.h"
#include "records/form13.h"
#include "support/http_server.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>

#include <gtest/gtest.h>

class FavoritesTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        setSetting("启动主页", "about:blank");
        setSetting("框架不加载", "1");
        setSetting("UA", "0");
        setSetting("呈现伪造", "ZelvaroTest/1.0 (favorites)");
        setSetting("标签打开", "0");
        setSetting("字数", "8");
        setSetting("退出确认", "0");
        setFgSetting("字体", "Noto Sans CJK SC");
        setFgSetting("时间颜色", "rgb(128, 128, 128)");
        setFgSetting("网址颜色", "rgb(0, 0, 255)");
        setFgSetting("目标颜色", "rgb(255, 0, 0)");
        ASSERT_TRUE(start());
    }
    void TearDown() override {
        rt::setRandomSequence({});
        ProgramFixture::TearDown();
    }

    // --- the favorites file ---
    static QString favoritesPath() { return sys::appPath() + "\\txt\\网址.html"; }
    void writeFavorites(const QStringList& lines) { sys::writeLines(favoritesPath(), lines); }
    QStringList favorites() const {
        try {
            return sys::readLines(favoritesPath());
        } catch (...) {
            return {};
        }
    }
    QByteArray favoritesBytes() const {
        QFile file(sys::nativePath(favoritesPath()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }
    // A record as the program writes it.
    static QString line(const QString& address, const QString& id, const QString& text = QString()) {
        return FavoriteRecord::make(QDateTime(QDate(2026, 1, 2), QTime(8, 0, 0)), address, id,
                                    text.isNull() ? FavoriteRecord::typedText(address) : text)
            .toLine();
    }
    // A record as older versions wrote it: nothing escaped.
    static QString olderLine(const QString& address, const QString& id, const QString& text) {
        return QString::fromUtf8("<label>11-30-2025　下午15:00:00</label>　<a href=javascript:; title=") + address +
               " id=" + id + ">" + text + "</a><br><br>";
    }
    // `count` records, the newest first: addresses of the loopback server's /r/<n>.
    QStringList records(int count) {
        QStringList lines;
        for (int n = count; n >= 1; --n) lines << line(address(n), QStringLiteral("0.%1").arg(n), QStringLiteral("记录%1").arg(n));
        return lines;
    }
    QString address(int n) { return server.urlText(QStringLiteral("/r/%1").arg(n)); }
    // A page of the loopback server with this title; its address.
    QString page(const QString& path, const QString& title) {
        server.addPage(path, "<html><head><meta charset=\"utf-8\"><title>" + title.toUtf8() +
                                 "</title></head><body>x</body></html>");
        return server.urlText(path);
    }

    // --- the favorites window ---
    Form13* favoritesWindow() { return forms::windows().existing<Form13>(); }
    // Shows the favorites window through its command and waits for its page.
    Form13& showFavorites() {
        f1().Command2(14).press();
        Form13* w = favoritesWindow();
        EXPECT_NE(w, nullptr);
        EXPECT_TRUE(pageReady(*w));
        return *w;
    }
    // Waits until the window's page has loaded and been processed (connected, styled, numbered).
    bool pageReady(Form13& w) {
        return waitFor([&] {
            try {
                return !w.WebBrowser1.busy() && w.LHTML.attached() && w.LHTML.document() == w.WebBrowser1.document();
            } catch (...) {
                return false;
            }
        });
    }
    // Waits until a page other than `before` has loaded and been processed.
    bool reloaded(Form13& w, const web::Document& before) {
        return waitFor([&] { return !before.isValid() && pageReady(w); });
    }
    web::Document doc(Form13& w) { return w.WebBrowser1.document(); }
    web::Element link(Form13& w, int i) { return doc(w).getElementsByTagName("a").value(i); }
    web::Element label(Form13& w, int i) { return doc(w).getElementsByTagName("label").value(i); }
    QStringList linkTexts(Form13& w) {
        QStringList out;
        for (const web::Element& a : doc(w).getElementsByTagName("a")) out << a.innerText();
        return out;
    }

    // --- a person's mouse on the page ---
    static QPoint centre(const web::Element& e) { return e.boundingClientRect().center(); }
    void mouse(Form13& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* view = w.WebBrowser1.pageWidget();
        QMouseEvent event(type, at, view->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &event);
    }
    void pressAt(Form13& w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        mouse(w, QEvent::MouseButtonPress, at, button, button);
        mouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    void clickOn(Form13& w, const web::Element& e) { pressAt(w, centre(e)); }
    void moveTo(Form13& w, const web::Element& e) { mouse(w, QEvent::MouseMove, centre(e), Qt::NoButton, Qt::NoButton); }
    // A right click on the element (the press, then the menu request), choosing bianji100(item)
    // when item >= 0 and nothing otherwise.
    void rightClickOn(Form13& w, const web::Element& e, int item = -1) {
        if (item >= 0)
            services.queuePopupChoice("bianji100", item);
        else
            services.queuePopupNone();
        const QPoint at = centre(e);
        pressAt(w, at, Qt::RightButton);
        QWidget* view = w.WebBrowser1.pageWidget();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
        QCoreApplication::sendEvent(view, &menu);
    }

    // --- tabs ---
    // The address slot k's browser shows (or is loading), "" when it has none.
    QString slotAddress(int k) {
        try {
            return f1().WebBrowser1(k).locationURL();
        } catch (...) {
            return QString();
        }
    }
    // Lets queued work run for a while (for "nothing more happens" checks).
    void settle(int ms = 300) { waits::settle(ms); }
    bool requested(const QString& path) {
        return waitFor([&] { return !server.requestsFor(path).isEmpty(); });
    }
    // Opens a tab on each address, as the go command opens one, and waits for their titles.
    void openTabs(const QStringList& addresses) {
        for (const QString& a : addresses) {
            f1().Command24.press();
            const int k = forms::frontSlot(f1());
            forms::navigate(f1().WebBrowser1(k), a);
            EXPECT_TRUE(waitFor([&] { return f1().lv(k).caption().size() > 1; })) << a.toStdString();
        }
    }

    TestHttpServer server;
};
