#include "records/downloadmenu.h"

#include "forms/form14.h"
#include "forms/programstarts.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/sys/launcher.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "records/downloadwindow.h"
#include "records/form6.h"

using rt::step;

DownloadMenu::DownloadMenu(Form14& owner) : m(owner) {
    m.xiazai100.onClick = [this](int Index) { xiazai100_Click(Index); };
}

void DownloadMenu::xiazai100_Click(int Index) {
    Form6* w = forms::windows().existing<Form6>();
    if (!w) return;
    // The record the menu was opened on, from the page's event still in progress.
    web::Element record;
    step([&] { record = DownloadWindow::recordElement(w->XRA.document().event()); });
    switch (Index) {
    case 1:
        step([&] { ui::services().setClipboardText(record.hrefResolved()); });
        break;
    case 2:
        step([&] { forms::started(sys::launcher().openInOtherBrowser(record.hrefResolved())); });
        break;
    case 3: {
        int answer = ui::vbNo;
        step([&] {
            answer = ui::services().msgBox(QStringLiteral("删除 [") + record.innerText() + QStringLiteral("]"),
                                           ui::vbYesNo + ui::vbQuestion, QString());
        });
        if (answer != ui::vbYes) return;
        QString id;
        step([&] { id = record.id(); });
        if (id.size() < 2) return;
        for (int i = 0; i < w->List1.listCount(); ++i) {
            if (w->List1.list(i).contains(QStringLiteral(" id=") + id + QLatin1Char(' '), Qt::CaseInsensitive)) {
                step([&] { w->List1.removeItem(i); });
                if (!step([&] { w->downloadRewrite(); })) {
                    ui::refuse(QStringLiteral("删除失败，文件不能写入：") + sys::nativePath(Form6::listFile()));
                }
                step([&] { w->downloadReload(); });
                return;
            }
        }
        break;
    }
    default:
        break;
    }
}
