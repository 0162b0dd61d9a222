#pragma once
// The whole program with a tab page in front, for the tests of the page views: the document menu
// chosen as a person does, the view files under \html\ and the source window that shows them.
#include "page/sinks_fixture.h"

#include "analysis/form11.h"
#include "analysis/views.h"
#include "forms/windowowner.h"
#include "platform/rt/gbk.h"
#include "platform/rt/random.h"

#include <QDir>
#include <QFile>

class ViewsTest : public SinksTest {
protected:
    void SetUp() override {
        SinksTest::SetUp();
        setSetting("网页右键", "False");
        setFgSetting("字体", "Noto Sans CJK SC");
        services.setScreen(QRect(0, 0, 19200, 12000));
        ASSERT_TRUE(startProgram());
        QDir(folder.path()).mkpath("html");
        services.clearRecords();
    }
    void TearDown() override {
        rt::setRandomSequence({});
        SinksTest::TearDown();
    }
    // A tab in front on a page with this head and body.
    int openOn(const QByteArray& head, const QByteArray& body, const QString& path = "/view.html") {
        const QString address = servePage(path, "<html><head><meta charset=\"utf-8\">" + head + "</head><body>" + body + "</body></html>");
        const int k = openTab();
        EXPECT_TRUE(load(k, address, path));
        return k;
    }
    // An item of the document menu, chosen on the element with this id.
    void choose(int k, const QString& array, int item, const QString& on) {
        services.queuePopupChoice(array, item);
        rightClick(k, on);
    }
    // A right click at a point of the page (the body or the html element around it).
    void rightClickAt(int k, QPoint at) {
        mouse(k, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        mouse(k, QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view(k)->mapToGlobal(at));
        QCoreApplication::sendEvent(view(k), &event);
    }
    QByteArray viewBytes(const QString& name) {
        QFile file(sys::nativePath(analysis::viewPath(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    QString viewText(const QString& name) { return rt::fromGbk(viewBytes(name)); }
    // The names of the files under \html\.
    QStringList views() { return QDir(folder.path() + "/html").entryList(QDir::Files, QDir::Name); }
    Form11* source() { return forms::windows().existing<Form11>(); }
    // Whether the source window shows its view, completed and connected.
    bool shown(Form11& w) {
        return waitFor([&] {
            try {
                return !w.WebBrowser1.busy() && w.LIUYI.attached() && w.LIUYI.document() == w.WebBrowser1.document();
            } catch (...) {
                return false;
            }
        });
    }
};
