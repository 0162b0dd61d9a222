#pragma once
// The start of the program. Before the main window exists, `Form_Initialize` refuses to start without
// the folder `txt` beside the executable, clears what rewrites cut short left, converts settings and
// record files an editor saved as UTF-8 back to GBK (and names any settings file that is missing or
// that it cannot read), and rewrites the desktop shortcut on request. When the main window loads, `Form_Load` brings its controls into their start
// state from the settings, writes the engine's registry settings, schedules the default-browser check
// and opens the home slot's first page.
//
// The start-up writes no settings or record file, except to convert one saved as UTF-8.
#include "app/enginesettings.h"

#include <QString>

class Form1;
class Form4;

class Startup {
public:
    // Sets the main window's load handler. `commandLine` is the program's one argument ("" for none).
    Startup(Form1& f, Form4& menus, const QString& commandLine);

    // Runs before the main window is made. Returns false when the program must not start: the
    // message was shown and the end of the process requested.
    static bool Form_Initialize();
    // The launcher `Zelvaro浏览器` on the user's desktop, created or overwritten; each field on its own.
    static void writeDesktopShortcut();

    void Form_Load();

    // The first navigation of the home slot: the command line when it is longer than nine
    // characters, else the start page setting, with the User-Agent header where it applies.
    struct Navigation {
        QString address;
        QString headers;  // "" for none
    };
    static Navigation firstNavigation(const QString& commandLine);

private:
    void loadNavigationPage();
    void applyLooks();

    Form1& f_;
    Form4& menus_;
    QString commandLine_;
    EngineSettings engine_;
};
