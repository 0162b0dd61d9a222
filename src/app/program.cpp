#include "app/program.h"

#include "app/aboutoverlay.h"
#include "app/defaultbrowser.h"
#include "app/programcommands.h"
#include "app/startup.h"
#include "app/windowowner.h"
#include "mainwindow/addressbox.h"
#include "mainwindow/addressmenu.h"
#include "mainwindow/chrome.h"
#include "mainwindow/commands.h"
#include "mainwindow/delayedjobs.h"
#include "mainwindow/form1.h"
#include "mainwindow/form4.h"
#include "mainwindow/gocommand.h"
#include "mainwindow/layout.h"
#include "mainwindow/mainmenu.h"
#include "mainwindow/search.h"
#include "records/navpage_default.h"
#include "tabs/tabs.h"

namespace app {

namespace {
Program* current_ = nullptr;
}

Program::Program(const QString& commandLine) : commandLine_(commandLine) { current_ = this; }

Program::~Program() {
    // The windows first, so no late event of a page reaches a subsystem that is gone; subsystem
    // destructors do not touch the windows.
    windows().reset();
    while (!parts_.empty()) parts_.pop_back();
    if (current_ == this) current_ = nullptr;
}

Program* Program::current() { return current_; }

Program& program() { return *current_; }

// Every subsystem object, made once the main window and the menu owner exist. Each sets the
// handlers it owns in its constructor.
void Program::wire() {
    if (!parts_.empty()) return;
    Form1& f = form1();
    Form4& f4 = form4();
    add<Tabs>(f, f4);
    add<Layout>(f);
    add<Chrome>(f);
    add<AddressBox>(f);
    add<AddressMenu>(f, f4);
    add<GoCommand>(f);
    add<Search>(f, f4);
    add<DelayedJobs>(f);
    add<WindowCommands>(f);
    add<MainMenu>(f, f4);
    add<records::NavPageDefault>(f);
    AboutOverlay& about = add<AboutOverlay>(f);
    add<DefaultBrowser>(f);
    add<ProgramCommands>(f, f4, about);
    add<Startup>(f, f4, commandLine_);
}

bool Program::start(bool show) {
    if (!Startup::Form_Initialize()) return false;
    wire();
    Form1& f = form1();
    f.load();
    if (show) f.show();
    return true;
}

}  // namespace app
