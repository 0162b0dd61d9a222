#include "platform/web/switches.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWebSettings>

namespace web {

namespace {

EngineSwitches g_switches;

void applySettings(QWebSettings* s) {
    s->setAttribute(QWebSettings::AutoLoadImages, !g_switches.picturesOff);
    s->setAttribute(QWebSettings::PluginsEnabled, !g_switches.pluginsOff);
}

}  // namespace

void initEngineSettings() {
    static bool done = false;
    if (done) return;
    done = true;
    QWebSettings* s = QWebSettings::globalSettings();
    QTimer::singleShot(0, QCoreApplication::instance(), [] { applyDefaultTextEncoding(); });
    s->setAttribute(QWebSettings::JavascriptEnabled, true);
    s->setAttribute(QWebSettings::JavascriptCanOpenWindows, true);
    s->setAttribute(QWebSettings::JavascriptCanCloseWindows, true);
    s->setAttribute(QWebSettings::LocalContentCanAccessFileUrls, true);
    applySettings(s);
}

void applyDefaultTextEncoding() {
    static bool done = false;
    if (done) return;
    done = true;
    // Local pages of the program carry no charset line and are GBK.
    QWebSettings::globalSettings()->setDefaultTextEncoding(QStringLiteral("GBK"));
}

void setEngineSwitches(const EngineSwitches& switches) {
    g_switches = switches;
    initEngineSettings();
    applySettings(QWebSettings::globalSettings());
}

EngineSwitches engineSwitches() { return g_switches; }

}  // namespace web
