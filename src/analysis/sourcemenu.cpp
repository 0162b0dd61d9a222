#include "analysis/sourcemenu.h"

#include "analysis/form11.h"
#include "forms/form14.h"
#include "forms/programstarts.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

#include <QUrl>

using rt::step;

SourceMenu::SourceMenu(Form14& owner) : m(owner) {
    m.yuanmayj100.onClick = [this](int Index) { yuanmayj100_Click(Index); };
}

void SourceMenu::yuanmayj100_Click(int Index) {
    Form11* w = forms::windows().existing<Form11>();
    if (!w) return;
    switch (Index) {
    case 1:
        step([&] { w->WebBrowser1.ExecWB(web::kExecCopy, 0); });
        break;
    case 2:
        // The view file the window shows, in the text editor (GBK, as every program file).
        step([&] { forms::editProgramFile(QUrl(w->WebBrowser1.document().url()).toLocalFile()); });
        break;
    default:
        break;
    }
}
