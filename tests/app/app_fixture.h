#pragma once
// The whole program in a temporary program folder, with helpers the start-up tests share: pages
// written into the program folder, waiting for a slot's page, clicking an element of a page as a
// person would, and reading the ids of the body's children.
#include "support/program/program_fixture.h"

#include "forms/settings.h"
#include "forms/windowowner.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "platform/sys/programfolder.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QStringList>

class AppTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        QDir(folder.path()).mkpath(QStringLiteral("pages"));
        setSetting(QStringLiteral("默认浏览器"), QStringLiteral("0"));
        setSetting(QStringLiteral("快捷方式"), QStringLiteral("无"));
    }

    // A page file in the program folder with this body; its native path.
    QString pageFile(const QString& name, const QString& body) {
        const QString file = folder.path() + QStringLiteral("/pages/") + name;
        QFile out(file);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write("<html><head><meta charset=\"utf-8\"><title>");
        out.write(name.toUtf8());
        out.write("</title></head><body>");
        out.write(body.toUtf8());
        out.write("</body></html>");
        return file;
    }

    // Waits until slot k's browser holds a finished document whose address contains `part`.
    bool waitForPage(int k, const QString& part) {
        return waitFor([&] {
            Form1& f = forms::form1();
            if (!f.WebBrowser1.exists(k)) return false;
            const web::Document doc = f.WebBrowser1(k).document();
            return !doc.isNull() && doc.url().contains(part) && !f.WebBrowser1(k).busy() && !doc.body().isNull();
        });
    }

    // Starts with this page as the start page and waits for it in the home slot.
    bool startWithHomePage(const QString& file) {
        setSetting(QStringLiteral("启动主页"), file);
        if (!start()) return false;
        return waitForPage(1, QFileInfoName(file));
    }

    // Loads a browser at slot k (2..10) and navigates it to the file.
    bool openSlot(int k, const QString& file) {
        Form1& f = forms::form1();
        if (!f.WebBrowser1.exists(k)) f.WebBrowser1.load(k);
        f.WebBrowser1(k).move(f.WebBrowser1(1).left(), f.WebBrowser1(1).top(), f.WebBrowser1(1).width(),
                              f.WebBrowser1(1).height());
        f.WebBrowser1(k).setVisible(true);
        f.WebBrowser1(k).Navigate(file);
        return waitForPage(k, QFileInfoName(file));
    }

    // A left click on the middle of the element with this id, through the page's own widget.
    static void click(web::WebBrowser& b, const QString& id) {
        const QPoint at = b.document().getElementById(id).boundingClientRect().center();
        QWidget* view = b.pageWidget();
        QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(view, &release);
    }

    // The ids of the body's children, in order ("" for a child without one).
    static QStringList bodyIds(const web::Document& doc) {
        QStringList ids;
        for (const web::Element& e : doc.body().children()) ids << e.id();
        return ids;
    }

    static bool has(const web::Document& doc, const QString& id) { return !doc.getElementById(id).isNull(); }

private:
    static QString QFileInfoName(const QString& file) { return file.mid(file.lastIndexOf(QLatin1Char('/')) + 1); }
};
