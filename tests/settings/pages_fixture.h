#pragma once
// The settings window's pages as a person uses them: switches clicked with either mouse button or
// toggled with the space bar, fields clicked after the mouse passed over them (so the hint box holds
// their hint), input-box answers queued, pages opened in tabs.
#include "settings_fixture.h"
#include "support/waits.h"

#include "platform/sys/programfolder.h"

#include <QDir>
#include <QFile>
#include <QtTest/QTest>

class PagesTest : public SettingsTest {
protected:
    static QPoint inside(ui::Control& c) { return QPoint(5, c.widget()->height() / 2); }

    void leftClick(ui::Control& c) { QTest::mouseClick(c.widget(), Qt::LeftButton, {}, inside(c)); }
    void rightClick(ui::Control& c) { QTest::mouseClick(c.widget(), Qt::RightButton, {}, inside(c)); }
    // Pressed with the left button, released beside the control: the tick stays.
    void releaseBeside(ui::Control& c) {
        QTest::mousePress(c.widget(), Qt::LeftButton, {}, inside(c));
        QTest::mouseRelease(c.widget(), Qt::LeftButton, {}, QPoint(c.widget()->width() + 40, -30));
    }
    void spaceBar(ui::Control& c) { QTest::keyClick(c.widget(), Qt::Key_Space); }

    // The mouse passes over the field, then `answer` is given to the box its click opens.
    template <class Array>
    void edit(Array& fields, int index, const QString& answer) {
        fields.onMouseMove(index, 0, 0, 100, 100);
        services.queueInput(answer);
        fields.onClick(index);
    }

    // Waits until the save indicator goes again.
    void indicatorGone() { clock.advance(1500); }

    // The message boxes shown since the last clearRecords, and the input boxes.
    std::vector<ShownBox> messagesShown() const { return services.boxes(ShownBox::Message); }
    std::vector<ShownBox> inputsShown() const { return services.boxes(ShownBox::Input); }

    // A page file with this title in a new tab; its slot once the tab shows the title. A title of one
    // character counts as none (the label shows the address's extension then): give two or more.
    int openTitled(const QString& title) {
        QDir(folder.path()).mkpath("pages");
        const QString path = folder.path() + QStringLiteral("/pages/t%1.html").arg(++pages_);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("<html><head><meta charset=\"utf-8\"><title>" + title.toUtf8() + "</title></head><body>x</body></html>");
        file.close();
        const int k = forms::openInNewTab(forms::form1(), path);
        EXPECT_TRUE(waits::until([&] { return f1().lv(k).caption().contains(title); })) << title.toStdString();
        return k;
    }

private:
    int pages_ = 0;
};
