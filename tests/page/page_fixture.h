#pragma once
// The whole program, started on an empty home page with every page option off, for the tests of the
// page handling: pages come from the loopback server (routes added by each test) or from files in the
// program folder; tabs are opened the way the program opens them.
#include "forms/form1.h"
#include "support/waits.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "page/pageevents.h"
#include "platform/rt/convert.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "support/http_server.h"
#include "support/program/program_fixture.h"
#include "support/stored_settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QUrl>

#include <algorithm>

#include <gtest/gtest.h>

class PageTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        QDir(folder.path()).mkpath(QStringLiteral("pages"));
        setSetting(QStringLiteral("默认浏览器"), QStringLiteral("0"));
        setSetting(QStringLiteral("快捷方式"), QStringLiteral("无"));
        setSetting(QStringLiteral("启动主页"), QStringLiteral("about:blank"));
        setSetting(QStringLiteral("连接提示"), QStringLiteral("0"));
        setSetting(QStringLiteral("框架不加载"), QStringLiteral("1"));
        setSetting(QStringLiteral("脚本被删除"), QStringLiteral("1"));
        setSetting(QStringLiteral("框架被删除"), QStringLiteral("1"));
        setSetting(QStringLiteral("UA"), QStringLiteral("0"));
        setSetting(QStringLiteral("标签打开"), QStringLiteral("1"));
        setFgSetting(QStringLiteral("网页右移"), QStringLiteral("0"));
    }

    // Takes a key out of 应用.txt altogether.
    void removeSetting(const QString& key) {
        const QString file = sys::appPath() + QStringLiteral("\\txt\\应用.txt");
        QStringList lines = sys::readLines(file);
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [&](const QString& line) { return line.startsWith(key + QLatin1Char('=')); }),
                    lines.end());
        sys::writeLines(file, lines);
    }

    // Starts the program and waits for the home slot's first page.
    bool startProgram() {
        if (!start()) return false;
        return waitFor([&] { return idle(1) && !f1().WebBrowser1(1).document().isNull(); });
    }

    PageEvents& page() { return *program().find<PageEvents>(); }

    // A page on the loopback server: its address.
    QString servePage(const QString& path, const QByteArray& html) {
        server.addPage(path, html);
        return server.urlText(path);
    }
    // A page file in the program folder: its native path.
    QString pageFile(const QString& name, const QByteArray& html) {
        const QString file = folder.path() + QStringLiteral("/pages/") + name;
        QFile out(file);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(html);
        return file;
    }
    static QByteArray titled(const QByteArray& title, const QByteArray& body) {
        return "<html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body>" + body +
               "</body></html>";
    }

    // Opens a tab in front (the way the program opens one) and returns its slot.
    int openTab() {
        f1().Command24.press();
        return rt::toInt32(f1().Label9.caption());
    }

    // Whether slot k's browser holds a finished page.
    bool idle(int k) {
        try {
            return f1().WebBrowser1.exists(k) && !f1().WebBrowser1(k).busy();
        } catch (...) {
            return false;
        }
    }
    // Navigates slot k as a page would (no header) and waits until its page whose address holds
    // `part` has completed.
    bool load(int k, const QString& address, const QString& part = QString()) {
        f1().WebBrowser1(k).Navigate(address);
        return waitLoaded(k, part.isEmpty() ? QUrl(address).path() : part);
    }
    bool waitLoaded(int k, const QString& part) {
        return waitFor([&] {
            try {
                const web::Document d = f1().WebBrowser1(k).document();
                return idle(k) && !d.isNull() && d.url().contains(part) && !d.body().isNull();
            } catch (...) {
                return false;
            }
        });
    }
    // Chooses an item of the main menu as a person does: a right press on the window background, then
    // the item in the popup.
    void chooseFromMainMenu(const QString& array, int index) {
        services.queuePopupChoice(array, index);
        rightPressBackground();
    }
    void rightPressBackground() {
        const QPoint spot(4000 / 15, 4000 / 15);
        QMouseEvent press(QEvent::MouseButtonPress, spot, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, spot, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &release);
    }
    // Lets the event loop run for `ms` (for what must not happen).
    static void settle(int ms) {
        waits::settle(ms);
    }

    web::Document doc(int k) { return f1().WebBrowser1(k).document(); }
    bool has(int k, const QString& id) {
        try {
            return !doc(k).getElementById(id).isNull();
        } catch (...) {
            return false;
        }
    }
    int count(int k, const QString& selector) {
        try {
            return doc(k).querySelectorAll(selector).size();
        } catch (...) {
            return -1;
        }
    }
    // Milliseconds until job i runs, -1 when it is not counting down.
    long long due(int i) { return clock.dueIn(f1().Timer4(i)); }

    TestHttpServer server{QStringLiteral(ZV_TEST_PAGES)};
};
