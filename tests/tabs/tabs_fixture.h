#pragma once
// The whole program, started, with the settings the tab tests rely on. Pages are small files written
// into the program folder (one title each) or the fixtures of tests/pages; the loopback server serves
// http pages.
#include "forms/settings.h"
#include "support/waits.h"
#include "support/stored_settings.h"
#include "forms/windowowner.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/newtab.h"
#include "platform/sys/programfolder.h"
#include "support/http_server.h"
#include "support/program/program_fixture.h"
#include "tabs/tabs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <initializer_list>
#include <memory>

class TabsTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        QDir(folder.path()).mkpath("pages");
        setAppSetting("当前标签", "255");
        setAppSetting("字体颜色1", "0");
        setAppSetting("字体颜色2", "16777215");
        setAppSetting("字数", "8");
        setAppSetting("固定宽度", "0");
        setAppSetting("宽度", "1500");
        setAppSetting("双击关闭", "1");
        setAppSetting("连接提示", "0");
        setAppSetting("启动主页", "about:blank");
        setFgSetting(QStringLiteral("网页右移"), QStringLiteral("0"));
        ASSERT_TRUE(start());
        tabs = program().find<Tabs>();
        ASSERT_NE(tabs, nullptr);
        f().activate();
    }
    Form1& f() { return forms::form1(); }
    Form4& f4() { return forms::form4(); }

    void setAppSetting(const char* key, const QString& value) { setSetting(QString::fromUtf8(key), value); }

    static QString pagesDir() { return QStringLiteral(ZV_TEST_PAGES); }

    // A page file whose title is `title`; its path.
    QString pageFile(const QString& title) {
        const QString path = folder.path() + QStringLiteral("/pages/p%1.html").arg(++pages);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("<html><head><meta charset=\"utf-8\"><title>");
        file.write(title.toUtf8());
        file.write("</title></head><body><p>");
        file.write(title.toUtf8());
        file.write("</p></body></html>");
        return path;
    }

    // Opens a page with `title` in a new tab and waits until its label shows the title.
    int openPage(const QString& title) {
        const int k = forms::openInNewTab(f(), pageFile(title));
        if (k == 0) return 0;
        EXPECT_TRUE(waits::until(
            [&] {
                return docTitle(k) == title && f().lv(k).caption().contains(title);
            }))
            << title.toStdString();
        return k;
    }

    // The title of slot k's page, "" while it has none.
    QString docTitle(int k) {
        try {
            return f().WebBrowser1(k).document().title();
        } catch (...) {
            return QString();
        }
    }

    bool waitCaption(int k, const QString& caption) {
        return waits::until([&] { return f().lv(k).caption() == caption; });
    }

    // The address box's form of an address: from its first "http" on.
    static QString shown(const QString& url) {
        const int p = url.indexOf(QStringLiteral("http"));
        return p < 0 ? url : url.mid(p);
    }

    // --- a person's mouse on the strip ---
    static QPoint centre(ui::Control& c) { return QPoint(c.widget()->width() / 2, c.widget()->height() / 2); }
    void lvClick(int k) { QTest::mouseClick(f().lv(k).widget(), Qt::LeftButton, {}, centre(f().lv(k))); }
    void iconClick(int k) { QTest::mouseClick(f().Image1(k).widget(), Qt::LeftButton, {}, centre(f().Image1(k))); }
    void lvDoubleClick(int k) {
        QWidget* w = f().lv(k).widget();
        const QPoint p = centre(f().lv(k));
        QTest::mouseClick(w, Qt::LeftButton, {}, p);
        QTest::mouseDClick(w, Qt::LeftButton, {}, p);
    }
    void rightPress(int k) {
        QWidget* w = f().lv(k).widget();
        QTest::mousePress(w, Qt::RightButton, {}, centre(f().lv(k)));
        QTest::mouseRelease(w, Qt::RightButton, {}, centre(f().lv(k)));
    }
    // The tab menu on tab k, item `item` chosen.
    void menuOnTab(int k, int item) {
        services.queuePopupChoice(QStringLiteral("BQYJ100"), item);
        rightPress(k);
    }
    void closeByMenu(int k) { menuOnTab(k, 1); }

    // The captions of the tab menu in 右键.txt.
    void writeCaptions(std::initializer_list<const char*> captions) {
        int k = 0;
        for (const char* c : captions)
            storeText(forms::Txt::Youjian, QStringLiteral("CNB0%1").arg(++k), QString::fromUtf8(c));
    }

    TestHttpServer server{QStringLiteral(ZV_TEST_PAGES)};
    Tabs* tabs = nullptr;
    int pages = 0;
};
