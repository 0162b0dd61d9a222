#include "mainwindow/windowcommands.h"

#include "forms/frameblockinggrace.h"
#include "forms/parts.h"
#include "forms/settings.h"
#include "forms/skinpicture.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "forms/form1.h"
#include "media/form2.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/services.h"
#include "records/form13.h"
#include "records/form3.h"
#include "records/form6.h"
#include "settings/form5.h"

#include <QPixmap>

using rt::guard;
using rt::step;

namespace {


// A length in twips as the program writes it: the text of its single-precision value.
QString twipsText(double v) { return rt::str(static_cast<float>(v)); }

}  // namespace

WindowCommands::WindowCommands(Form1& form) : f(form) {
    f.Command2.onClick = [this](int Index) { Command2_Click(Index); };
    f.onDblClick = [this] { Form_DblClick(); };
    f.onFileDrop = [this](const QStringList& files, int, int, double, double) { Form_OLEDragDrop(files); };
    f.onUnload = [this](int& cancel) { Form_QueryUnload(cancel); };
}

QRect WindowCommands::maximisedRect(const QRect& workArea, const QRect& screen) {
    return workArea.width() > 0 && workArea.height() > 0 ? workArea : screen;
}

void WindowCommands::Command2_Click(int Index) {
    switch (Index) {
    case 11:
    case 14:
    case 15:
    case 16:
        showWindow(Index);
        break;
    case 12:
        typedSearch();
        break;
    case 13:
        switchPageMenu();
        break;
    case 17:
        ownMaximise();
        break;
    case 18:
        step([&] { f.setWindowState(ui::vbMinimized); });
        break;
    case 19:
        exitSequence();
        break;
    case 20:
        applySkin();
        break;
    case 21:
        openDropPicture();
        break;
    default:
        break;
    }
}

// The settings window (11), the favorites (14), the visit log (15) or the download list (16): brought
// back and focused when shown, else placed at a third of the screen and shown.
void WindowCommands::showWindow(int Index) {
    ui::Form* w = nullptr;
    step([&] {
        switch (Index) {
        case 11: w = &forms::window<Form5>(); break;
        case 14: w = &forms::window<Form13>(); break;
        case 15: w = &forms::window<Form3>(); break;
        case 16: w = &forms::window<Form6>(); break;
        default: break;
        }
    });
    if (!w) return;
    if (w->visible()) {
        step([&] { w->setWindowState(ui::vbNormal); });
        step([&] { w->activate(); });
        return;
    }
    step([&] {
        const QRect screen = ui::services().screenTwips();
        w->move(screen.width() / 3.0, screen.height() / 3.0, w->width(), w->height());
    });
    step([&] { w->show(); });
}

void WindowCommands::typedSearch() {
    QString name;
    step([&] {
        const QString engine = forms::read(forms::appkey::搜索引擎);
        name = forms::read(forms::Txt::Sousuo, QStringLiteral("搜索名字") + engine);
    });
    QString answer;
    step([&] {
        answer = ui::askInInputBox(name, QStringLiteral("搜索"), QString());
    });
    if (answer.isEmpty()) return;
    step([&] { f.Label13.setTag(answer); });
    step([&] { f.Label13_Click(); });
}

void WindowCommands::switchPageMenu() {
    if (guard([&] { return rt::toBool(forms::read(forms::appkey::网页右键)); })) {
        step([&] { forms::write(forms::appkey::网页右键, QStringLiteral("False")); });
        step([&] { forms::window<Form5>().Check1(3).setValue(1); });
        step([&] { ui::services().msgBox(QStringLiteral("切换至  <Zelvaro>  右键"), ui::vbExclamation, QString()); });
    } else {
        step([&] { forms::write(forms::appkey::网页右键, QStringLiteral("True")); });
        step([&] { forms::window<Form5>().Check1(3).setValue(0); });
        step([&] { ui::services().msgBox(QStringLiteral("切换至  <IE>  右键"), ui::vbExclamation, QString()); });
    }
}

void WindowCommands::ownMaximise() {
    // The address box takes the focus only while it is shown.
    step([&] { forms::focusAddressBox(f); });
    step([&] { f.Label2(2).setForeColor(rt::toColor(forms::read(forms::fgkey::颜色1))); });
    step([&] { f.Label2(2).setBackStyle(0); });
    if (guard([&] { return rt::toDouble(f.tag()) == 2; })) {
        step([&] { f.setTag(QStringLiteral("0")); });
        step([&] {
            f.move(rt::toDouble(f.Label2(0).tag()), rt::toDouble(f.Label2(1).tag()), rt::toDouble(f.Label2(2).tag()),
                   rt::toDouble(f.Label2(3).tag()));
        });
    } else {
        step([&] { f.setTag(QStringLiteral("2")); });
        step([&] { f.noRefresh = 0; });
        step([&] { f.Label2(0).setTag(twipsText(f.left())); });
        step([&] { f.Label2(1).setTag(twipsText(f.top())); });
        step([&] { f.Label2(2).setTag(twipsText(f.width())); });
        step([&] { f.Label2(3).setTag(twipsText(f.height())); });
        // Always onto the work area: a window left where it was would count as maximised while it is not.
        step([&] {
            const QRect r = maximisedRect(ui::services().workAreaTwips(), ui::services().screenTwips());
            f.move(r.x(), r.y(), r.width(), r.height());
        });
    }
    step([&] { f.WebBrowser1(forms::frontSlot(f)).setFocus(); });
}

void WindowCommands::exitSequence() {
    if (guard([&] { return rt::toDouble(f.tag()) < 2; })) {
        step([&] { forms::write(forms::fgkey::左右, twipsText(f.left())); });
        step([&] { forms::write(forms::fgkey::上下, twipsText(f.top())); });
        step([&] { forms::write(forms::fgkey::宽度, twipsText(f.width())); });
        step([&] { forms::write(forms::fgkey::高度, twipsText(f.height())); });
    }
    if (forms::readNumber(forms::appkey::退出确认, 0) == 0) {
        endProcess();
        return;
    }
    int n = 0;
    for (int k = 2; k <= 10; ++k) {
        step([&] {
            if (f.lv(k).visible()) ++n;
        });
    }
    if (guard([&] {
            return ui::services().msgBox(rt::str(n) + QStringLiteral("个标签打开着，是否退出"), ui::vbYesNo + ui::vbQuestion,
                                         QString()) == ui::vbYes;
        })) {
        endProcess();
    }
}

void WindowCommands::endProcess() {
    // A pending frame-blocking grace would leave blocking switched off for good.
    step([&] { forms::part<FrameBlockingGrace>().end(); });
    step([&] { f.setWindowState(ui::vbMinimized); });
    ui::services().exitProcess(0);
}

void WindowCommands::applySkin() {
    QString p;
    step([&] { p = forms::read(forms::fgkey::界面图片); });
    step([&] { f.setPicture(p.isEmpty() ? QPixmap() : ui::loadPicture(p)); });
    auto body = [&] { return f.WebBrowser1(1).document().body(); };
    step([&] { body().setStyleProperty(QStringLiteral("border"), QStringLiteral("none")); });
    step([&] { body().setAttribute(QStringLiteral("background"), forms::skinBackground(p)); });
    step([&] { body().setStyleProperty(QStringLiteral("background-repeat"), QStringLiteral("no-repeat")); });
    step([&] { body().setStyleProperty(QStringLiteral("background-attachment"), QStringLiteral("fixed")); });
    step([&] {
        const QString x = rt::str(static_cast<float>(f.WebBrowser1(1).left() / 15));
        const QString y = rt::str(static_cast<float>(f.WebBrowser1(1).top() / 15));
        body().setStyleProperty(QStringLiteral("background-position"),
                                QStringLiteral("-") + x + QStringLiteral("px -") + y + QStringLiteral("px"));
    });
}

void WindowCommands::openDropPicture() {
    step([&] {
        forms::window<Form2>().WebBrowser1.Navigate(sys::appPath() + QStringLiteral("\\pifu\\拖入图片.png"));
    });
}

void WindowCommands::Form_DblClick() {
    step([&] { f.Command2(17).press(); });
}

void WindowCommands::Form_OLEDragDrop(const QStringList& files) {
    // The first file of the list; a drop without files fails to give one.
    auto first = [&]() -> QString {
        if (files.isEmpty()) rt::raise(rt::SubscriptOutOfRange);
        return files.first();
    };
    if (!guard([&] { return forms::isSkinPictureFile(first()); })) {
        step([&] { ui::services().msgBox(QStringLiteral("请使用 jpg/gif/bmp 图片"), ui::vbExclamation, QString()); });
        return;
    }
    step([&] { f.setWindowState(ui::vbMinimized); });
    step([&] { forms::write(forms::fgkey::界面图片, first()); });
    // A loaded settings window shows the stored skin (it is not loaded for that).
    step([&] {
        if (Form5* settings = forms::windows().existing<Form5>()) settings->Text3.setText(first());
    });
    step([&] { f.setPicture(ui::loadPicture(first())); });
    step([&] {
        f.WebBrowser1(1).document().body().setAttribute(QStringLiteral("background"), forms::skinBackground(first()));
    });
    step([&] { f.setWindowState(ui::vbNormal); });
}

void WindowCommands::Form_QueryUnload(int& cancel) {
    cancel = 1;
    step([&] { f.Command2(19).press(); });
}
