#include "forms/programstarts.h"

#include "platform/ui/services.h"

namespace forms {

bool started(const sys::StartResult& result) {
    if (result.started) return true;
    ui::services().msgBox(result.message, ui::vbOKOnly + ui::vbExclamation, QString());
    return false;
}

bool editProgramFile(const QString& path) {
    return started(sys::launcher().openInTextEditor(path, QString::fromLatin1(kProgramFileEncoding)));
}

}  // namespace forms
