#include "forms/programfiles.h"

#include "platform/sys/programfolder.h"
#include "platform/ui/form.h"
#include "platform/ui/loadpicture.h"

namespace forms {

QString navPagePath() { return sys::appPath() + QStringLiteral("\\导航.html"); }

QString programIconPath() { return sys::appPath() + QStringLiteral("\\pifu\\0.ico"); }

void setProgramIcon(ui::Form& window) { window.setIcon(ui::loadPicture(programIconPath())); }

}  // namespace forms
