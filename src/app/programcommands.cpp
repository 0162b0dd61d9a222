#include "app/programcommands.h"

#include "app/aboutoverlay.h"
#include "app/enginesettings.h"
#include "forms/form1.h"
#include "forms/frameblockinggrace.h"
#include "forms/parts.h"
#include "forms/form4.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/shell.h"
#include "platform/ui/services.h"

ProgramCommands::ProgramCommands(Form1& f, Form4& menus) : f_(f) {
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
        rt::step([&] { forms::part<AboutOverlay>().showOrRemove(); });
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
    const QString program = sys::nativeProgramPath(sys::appPath() + QStringLiteral("\\") + app::kExeName);
    // Frame blocking suspended by a typed address must not stay off in the settings file; it is put
    // back before the new program starts, so the new program reads it on.
    rt::step([&] { forms::part<FrameBlockingGrace>().end(); });
    bool started = false;
    rt::step([&] { started = sys::launcher().startProgram(program, {}); });
    if (!started) {
        ui::services().msgBox(QStringLiteral("重启失败，新的程序没有启动：") + program, ui::vbOKOnly + ui::vbCritical,
                              QString());
        return;
    }
    ui::services().exitProcess(0);
}
