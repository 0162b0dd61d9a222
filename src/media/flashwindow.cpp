#include "media/flashwindow.h"

#include "forms/programfiles.h"
#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "media/form12.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/windows.h"
#include "platform/ui/services.h"
#include "platform/web/flashstandin.h"

#include <cmath>

using rt::guard;
using rt::step;

namespace {

// Into the topmost band, keeping place and size.
constexpr int kTopmost = -1;
constexpr int kKeepPlaceAndSize = 3;
// The runtime's "invalid property value": an empty font setting names no font.
constexpr int kInvalidPropertyValue = 380;

void setFont(ui::Control& c, const QString& name) {
    if (name.isEmpty()) rt::raise(kInvalidPropertyValue);
    c.setFontName(name);
}

// A glyph colour read from its setting at each change.
forms::TitleGlyphs::Colour fromSetting(const forms::Key& key) {
    return [key] { return rt::toColor(forms::read(key)); };
}

}  // namespace

FlashWindow::FlashWindow(Form12& window)
    : w(window), glyphs_(w.Label1, fromSetting(forms::fgkey::颜色1), fromSetting(forms::fgkey::颜色2),
                         fromSetting(forms::fgkey::颜色3)) {
    w.onLoad = [this] { Form_Load(); };
    w.onActivate = [this] { Form_Activate(); };
    w.onMouseMove = [this](int Button, int Shift, double X, double Y) { Form_MouseMove(Button, Shift, X, Y); };
    w.onUnload = [this](int& Cancel) { Form_Unload(Cancel); };
    w.Label1.onClick = [this](int Index) { Label1_Click(Index); };
    w.Label1.onDblClick = [this](int Index) { Label1_DblClick(Index); };
    w.Label1.onMouseMove = [this](int Index, int Button, int Shift, double X, double Y) {
        Label1_MouseMove(Index, Button, Shift, X, Y);
    };
    w.Picture1.onDblClick = [this] { Picture1_DblClick(); };
    w.Picture1.onMouseMove = [this](int Button, int Shift, double X, double Y) {
        Picture1_MouseMove(Button, Shift, X, Y);
    };
}

void FlashWindow::Form_Load() {
    step([&] { forms::setProgramIcon(w); });
    step([&] { w.setCaption(Form12::kCaption); });
    step([&] { w.setBackColor(rt::toColor(forms::read(forms::fgkey::背景0))); });
    step([&] { w.Picture1.setBackColor(w.backColor()); });
    step([&] { w.Picture2.setBackColor(w.backColor()); });
    step([&] { w.Label1(0).setForeColor(rt::toColor(forms::read(forms::fgkey::颜色1))); });
    step([&] { setFont(w.Label1(0), forms::read(forms::fgkey::字体)); });
    step([&] { w.Label1(kMinimise).setCaption(forms::read(forms::fgkey::小化)); });
    step([&] { w.Label1(kMinimise).setForeColor(w.Label1(0).foreColor()); });
    step([&] { w.Label1(kMinimise).setFontName(w.Label1(0).fontName()); });
    step([&] { w.Label1(kClose).setCaption(forms::read(forms::fgkey::关闭)); });
    step([&] { w.Label1(kClose).setForeColor(w.Label1(0).foreColor()); });
    step([&] { w.Label1(kClose).setFontName(w.Label1(0).fontName()); });
    step([&] { forms::form1().Zelvaro窗口(w.hWnd(), 0, 0); });
}

void FlashWindow::Form_Activate() {
    step([&] { forms::form1().CAO(w.hWnd(), kTopmost, 0, 0, 0, 0, kKeepPlaceAndSize); });
}

void FlashWindow::Form_MouseMove(int Button, int, double, double) {
    if (Button == ui::vbLeftButton) step([&] { forms::dragWindow(w.hWnd()); });
}

void FlashWindow::Form_Unload(int&) {
    // Closed by the window system (or by anything else than the return path): the player goes back
    // first, and the unload goes on.
    if (!returning_) returnPlayer(false);
}

void FlashWindow::Label1_Click(int Index) {
    switch (Index) {
    case kMinimise:
        step([&] { w.setWindowState(ui::vbMinimized); });
        glyphs_.rest(kMinimise);
        break;
    case kClose:
        returnPlayer(true);
        break;
    default:
        break;
    }
}

void FlashWindow::returnPlayer(bool unload) {
    Form1& f = forms::form1();
    // The popped-out slot as a number; a tag that is not one names no slot.
    double popped = 0;
    if (!step([&] { popped = std::floor(rt::toDouble(f.Command7.tag())); })) return;
    for (int i = 2; i <= 10; ++i) {
        if (i != popped) continue;
        returning_ = true;
        step([&] { w.Picture2.zOrder(0); });
        step([&] { f.lv_Click(i); });
        step([&] { f.Command7.setTag(QStringLiteral("0")); });
        int player = 0;
        step([&] { player = sys::findChildWindow(w.containerHandle(), QString::fromLatin1(web::kFlashPlayerClass)); });
        if (guard([&] { return player > 0; })) step([&] { f.SETYIDONG(player, f.zvllq9()); });
        if (unload) step([&] { w.unload(); });
        returning_ = false;
        return;
    }
}

void FlashWindow::Label1_MouseMove(int Index, int Button, int Shift, double X, double Y) {
    switch (Index) {
    case 0:
        if (Button == ui::vbLeftButton) Form_MouseMove(ui::vbLeftButton, 0, 0, 0);
        glyphs_.restBoth();
        break;
    case kMinimise:
    case kClose:
        glyphs_.pointAt(Index, Y > kHoverTop);
        break;
    default:
        break;
    }
    (void)Shift;
    (void)X;
}

void FlashWindow::Picture1_MouseMove(int Button, int, double, double) {
    if (Button == ui::vbLeftButton) Form_MouseMove(ui::vbLeftButton, 0, 0, 0);
    glyphs_.restBoth();
}

void FlashWindow::Label1_DblClick(int) { Picture1_DblClick(); }

void FlashWindow::Picture1_DblClick() {
    if (w.Picture2.enabled()) {
        step([&] { w.Picture2.setEnabled(false); });
        step([&] {
            ui::services().msgBox(QStringLiteral("鼠标左右键[ 禁止 ]"), ui::vbOKOnly + ui::vbExclamation, QString());
        });
    } else {
        step([&] { w.Picture2.setEnabled(true); });
        step([&] {
            ui::services().msgBox(QStringLiteral("鼠标左右键[ 释放 ]"), ui::vbOKOnly + ui::vbInformation, QString());
        });
    }
}
