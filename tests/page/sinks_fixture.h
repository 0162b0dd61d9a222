#pragma once
// Real input on the pages of the main window's browsers: right clicks, the wheel, drags, keys and
// selections, delivered to a browser's page widget as the windowing system delivers them.
#include "page_fixture.h"

#include "forms/form4.h"
#include "forms/slots.h"
#include "support/word_spot.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWheelEvent>

class SinksTest : public PageTest {
protected:
    QWidget* view(int k) { return f1().WebBrowser1(k).pageWidget(); }
    QPoint centre(int k, const QString& id) { return doc(k).getElementById(id).boundingClientRect().center(); }
    void mouse(int k, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, view(k)->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(view(k), &event);
    }
    // A right click on the element: the press, then the menu request (choose with services first).
    void rightClick(int k, const QString& id) {
        const QPoint at = centre(k, id);
        mouse(k, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        mouse(k, QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view(k)->mapToGlobal(at));
        QCoreApplication::sendEvent(view(k), &event);
    }
    void click(int k, const QString& id) {
        const QPoint at = centre(k, id);
        mouse(k, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse(k, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    // A double click on `word` of the element's first text, as a person selects a word.
    void doubleClickWord(int k, const QString& id, const QString& word) {
        const QPoint at = wordSpot(doc(k), id, word);
        mouse(k, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse(k, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        mouse(k, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        mouse(k, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    void moveOver(int k, const QString& id) { mouse(k, QEvent::MouseMove, centre(k, id), Qt::NoButton, Qt::NoButton); }
    void wheel(int k, const QString& id) {
        const QPoint at = centre(k, id);
        QWheelEvent event(at, view(k)->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view(k), &event);
    }
    // Drags from the element's centre a little down and right with the left button held.
    void drag(int k, const QString& id) {
        const QPoint from = centre(k, id);
        mouse(k, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (int s = 1; s <= 5; ++s) mouse(k, QEvent::MouseMove, from + QPoint(8 * s, 8 * s), Qt::NoButton, Qt::LeftButton);
        mouse(k, QEvent::MouseButtonRelease, from + QPoint(40, 40), Qt::LeftButton, Qt::NoButton);
    }
    void key(int k, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(view(k), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(view(k), &release);
    }
    // Selects the element's text by a script of the page (no input of the user's).
    void scriptSelect(int k, const QString& id) {
        doc(k).evaluate(QStringLiteral("var r=document.createRange();r.selectNodeContents(document.getElementById('%1'));"
                                       "window.getSelection().removeAllRanges();window.getSelection().addRange(r);")
                            .arg(id));
    }
    void scriptUnselect(int k) { doc(k).evaluate("window.getSelection().removeAllRanges()"); }
    // The page's own listeners record, for each event type, whether the program had refused it.
    void watchRefusals(int k) {
        // Listeners are added once per page; each call forgets what they recorded before.
        doc(k).evaluate(
            "if(!window.refused)['dragstart','selectstart','mousewheel','contextmenu'].forEach(function(t){"
            "document.addEventListener(t,function(e){window.refused[t]=String(e.defaultPrevented);"
            "if(t==='dragstart'||t==='selectstart')e.preventDefault();});});window.refused={};");
    }
    QString refused(int k, const QString& type) {
        return doc(k).evaluate(QStringLiteral("String(window.refused['%1'])").arg(type));
    }
    int scrollY(int k) { return doc(k).scrollPosition().y(); }

    // Opens a tab on the fixture page and waits for it.
    int openPage(const QString& path = QStringLiteral("/pages/menu.html")) {
        const int k = openTab();
        EXPECT_TRUE(load(k, server.urlText(path)));
        return k;
    }
};
