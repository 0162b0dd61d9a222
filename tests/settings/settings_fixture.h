#pragma once
// The whole program with its settings window opened by command 11, as a person opens it.
#include "support/program/program_fixture.h"
#include "support/stored_settings.h"

#include "forms/form1.h"
#include "forms/newtab.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/ui/controls.h"
#include "settings/form5.h"
#include "settings/form8.h"
#include "tabs/tabs.h"

#include <gtest/gtest.h>

#include <QWidget>

class SettingsTest : public ProgramFixture {
protected:
    // Starts the program (once) and presses command 11. Returns the settings window.
    Form5& open() {
        if (!started_) {
            started_ = true;
            EXPECT_TRUE(start());
        }
        f1().Command2(11).press();
        Form5* w = forms::windows().existing<Form5>();
        EXPECT_NE(w, nullptr);
        return *w;
    }
    // Closes the settings window with its close glyph (it is unloaded).
    void close(Form5& w) { w.Label6.onClick(3); }
    // Opens a tab on a blank page; its slot.
    int openTab() { return forms::openInNewTab(forms::form1(), QStringLiteral("about:blank")); }

    void app(const char* key, const QString& value) { setSetting(QString::fromUtf8(key), value); }
    void fg(const char* key, const QString& value) { setFgSetting(QString::fromUtf8(key), value); }
    QString app(const char* key) const { return setting(QString::fromUtf8(key)); }
    QString fg(const char* key) const { return fgSetting(QString::fromUtf8(key)); }

    // The place of a control among its siblings, bottom first: a higher one lies in front.
    static int stackIndex(const ui::Control& c) {
        QWidget* w = c.widget();
        return w->parentWidget()->children().indexOf(w);
    }

    bool indicatorShown(Form5& w) { return w.Label6(4).visible(); }

private:
    bool started_ = false;
};
