#include "records/visitlogwindow.h"

#include "forms/programfiles.h"
#include "forms/form1.h"
#include "forms/newtab.h"
#include "forms/titleglyphs.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"
#include "records/form3.h"
#include "records/visitlog.h"

using rt::guard;
using rt::step;

VisitLogWindow::VisitLogWindow(Form3& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.onResize = [this] { Form_Resize(); };
    w.onMouseMove = [this](int Button, int, double, double) { Form_MouseMove(Button); };
    w.List1.onClick = [this] { List1_Click(); };
    w.List1.onDblClick = [this] { List1_DblClick(); };
    w.Command1.onClick = [this](int Index) { Command1_Click(Index); };
}

void VisitLogWindow::Form_Load() {
    step([&] { forms::setProgramIcon(w); });
    if (!sys::fileExists(Form3::logFile())) return;
    QStringList lines;
    step([&] { lines = sys::readLines(Form3::logFile()); });
    for (const QString& line : lines) step([&] { w.List1.addItem(line, 0); });
}

void VisitLogWindow::Form_Resize() {
    const double width = w.scaleWidth() - 230;
    const double height = w.scaleHeight() - 720;
    if (width < 0 || height < 0) return;
    step([&] { w.List1.move(120, 720, width, height); });
}

void VisitLogWindow::Form_MouseMove(int Button) {
    if (Button != ui::vbLeftButton) return;
    step([&] { forms::dragWindow(w.hWnd()); });
}

void VisitLogWindow::List1_Click() { step([&] { w.Text1.setFocus(); }); }

void VisitLogWindow::List1_DblClick() { step([&] { w.Command1(3).press(); }); }

void VisitLogWindow::Command1_Click(int Index) {
    switch (Index) {
    case 1: clear(); break;
    case 2: copy(); break;
    case 3: open(); break;
    default: break;
    }
}

void VisitLogWindow::clear() {
    int answer = ui::vbNo;
    step([&] { answer = ui::services().msgBox(QStringLiteral("清空"), ui::vbYesNo + ui::vbQuestion, QString()); });
    if (answer != ui::vbYes) return;
    step([&] { w.List1.clear(); });
    if (!step([&] { sys::writeText(Form3::logFile(), QString()); })) {
        step([&] {
            ui::services().msgBox(QStringLiteral("清空失败，文件不能写入：") + sys::nativePath(Form3::logFile()), ui::vbCritical,
                                  QString());
        });
    }
}

QString VisitLogWindow::selectedAddress(const QString& message) {
    QString address;
    step([&] {
        const int i = w.List1.listIndex();
        const QString line = i >= 0 ? w.List1.list(i) : QString();
        if (rt::len(line) > 9) address = VisitLog::addressOf(line);
    });
    if (address.isEmpty()) {
        ui::refuse(message);
    }
    return address;
}

void VisitLogWindow::copy() {
    const QString address = selectedAddress(QStringLiteral("请点击一条连接，再点复制按钮"));
    if (address.isEmpty()) return;
    step([&] { ui::services().setClipboardText(address); });
    step([&] { ui::services().msgBox(QStringLiteral("OK"), ui::vbOKOnly + ui::vbInformation, QString()); });
}

void VisitLogWindow::open() {
    // The selection first: a refusal changes nothing.
    const QString address = selectedAddress(QStringLiteral("请点击一条连接，再点浏览按钮"));
    if (address.isEmpty()) return;
    Form1& f = forms::form1();
    step([&] { f.Command8.setTag(QStringLiteral("0")); });
    step([&] { f.setWindowState(ui::vbNormal); });
    step([&] { f.activate(); });
    step([&] { forms::openInNewTab(f, address); });
}
