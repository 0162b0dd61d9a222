#include "app/programcommands.h"

#include "app/aboutoverlay.h"
#include "app/enginesettings.h"
#include "mainwindow/form1.h"
#include "mainwindow/gocommand.h"
#include "mainwindow/form4.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/shell.h"
#include "platform/ui/services.h"

namespace app {

ProgramCommands::ProgramCommands(Form1& f, Form4& menus, AboutOverlay& about) : f_(f), about_(about) {
    menus.GB.onClick = [this](int index) { GB_Click(index); };
}

void ProgramCommands::GB_Click(int Index) {
    switch (Index) {
    case 1:
        restart();
        break;
    case 2:
        rt::step([&] { f_.Command2(19).press(); });
        break;
    case 3:
        rt::step([&] { about_.showOrRemove(); });
        break;
    case 4:
        rt::step([&] { f_.Command2(11).press(); });
        break;
    default:
        break;
    }
}

void ProgramCommands::restart() {
    // The executable by its fixed name in the program folder, with no argument.
    const QString program = sys::nativeProgramPath(sys::appPath() + QStringLiteral("\\") + kExeName);
    // Frame blocking suspended by a typed address must not stay off in the settings file; it is put
    // back before the new program starts, so the new program reads it on.
    rt::step([&] { GoCommand::endPendingGrace(); });
    bool started = false;
    rt::step([&] { started = sys::launcher().startProgram(program, {}); });
    if (!started) {
        ui::services().msgBox(QStringLiteral("重启失败，新的程序没有启动：") + program, ui::vbOKOnly + ui::vbCritical,
                              QString());
        return;
    }
    ui::services().exitProcess(0);
}

}  // namespace app
