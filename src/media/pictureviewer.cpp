#include "media/pictureviewer.h"

#include "forms/programfiles.h"
#include "forms/form1.h"
#include "forms/form14.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "media/form2.h"
#include "media/picturemenu.h"
#include "media/viewedpicture.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "platform/ui/events.h"
#include "platform/ui/services.h"

using rt::guard;
using rt::step;

PictureViewer::PictureViewer(Form2& window)
    : w(window),
      glyphs_(w.Label1, [] { return Form2::kText; }, [] { return Form2::kText; }, [] { return Form2::kHoverBack; }) {
    w.onLoad = [this] { Form_Load(); };
    w.onDblClick = [this] { Form_DblClick(); };
    w.onMouseMove = [this](int Button, int Shift, double X, double Y) { Form_MouseMove(Button, Shift, X, Y); };
    w.Label1.onClick = [this](int Index) { Label1_Click(Index); };
    w.Label1.onDblClick = [this](int Index) { Label1_DblClick(Index); };
    w.Label1.onMouseDown = [this](int Index, int Button, int Shift, double X, double Y) {
        Label1_MouseDown(Index, Button, Shift, X, Y);
    };
    w.Label1.onMouseMove = [this](int Index, int Button, int Shift, double X, double Y) {
        Label1_MouseMove(Index, Button, Shift, X, Y);
    };
    w.WebBrowser1.onDocumentComplete = [this](const QString&) { WebBrowser1_DocumentComplete(); };
    w.CL.oncontextmenu = [this](const web::DocumentEvent& e) { return CL_oncontextmenu(e); };
    w.CL.ondblclick = [this](const web::DocumentEvent& e) { return CL_ondblclick(e); };
    w.CL.ondragstart = [this](const web::DocumentEvent& e) { return CL_ondragstart(e); };
    w.CL.onmousemove = [this](const web::DocumentEvent& e) { return CL_onmousemove(e); };
}

void PictureViewer::Form_Load() {
    step([&] { forms::setProgramIcon(w); });
    step([&] { w.setCaption(Form2::kCaption); });
    step([&] { w.setBackColor(Form2::kBack); });
    step([&] { w.Label1(0).setForeColor(Form2::kText); });
    step([&] { w.Label1(0).setFontName(QStringLiteral("微软雅黑")); });
    step([&] { w.Label1(kMinimise).setCaption(QStringLiteral("　︹　")); });
    step([&] { w.Label1(kMinimise).setForeColor(w.Label1(0).foreColor()); });
    step([&] { w.Label1(kMinimise).setFontName(w.Label1(0).fontName()); });
    step([&] { w.Label1(kClose).setCaption(QStringLiteral("　Ⅹ　")); });
    step([&] { w.Label1(kClose).setForeColor(w.Label1(0).foreColor()); });
    step([&] { w.Label1(kClose).setFontName(w.Label1(0).fontName()); });
    step([&] { forms::form1().Zelvaro窗口(w.hWnd(), 0, 0); });
}

QString PictureViewer::sizeText(double kilobytes) {
    QString text = rt::str(kilobytes);
    if (rt::instr(text, QStringLiteral(".")) == 1) text = QStringLiteral("0") + rt::left(text, 3);
    for (int p = 2; p <= 5; ++p) {
        if (rt::instr(text, QStringLiteral(".")) == p) text = rt::left(text, p + 2);
    }
    return text + QStringLiteral("KB");
}

void PictureViewer::WebBrowser1_DocumentComplete() {
    step([&] { w.WebBrowser1.setSilent(true); });
    bool busy = false;
    step([&] { busy = w.WebBrowser1.busy(); });
    if (busy) return;
    step([&] { w.setCL(w.WebBrowser1.document()); });

    // The size text; a page without a picture (or a size that is not known) shows 0KB.
    double kilobytes = 0;
    step([&] {
        const qint64 bytes = media::picture(w.WebBrowser1.document()).fileSize();
        if (bytes < 0) rt::raise(rt::FileNotFound);
        kilobytes = static_cast<double>(bytes) / 1024;
    });
    step([&] { w.Label1(0).setCaption(sizeText(kilobytes)); });

    // The window's size from the picture's; without a picture the window keeps its size.
    const bool narrow = guard([&] { return 15.0 * media::pictureSize(w.WebBrowser1.document()).width() < kNarrow; });
    auto fitted = [&]() -> QSizeF {
        const QSize p = media::pictureSize(w.WebBrowser1.document());
        return narrow ? QSizeF(15.0 * p.width() + 2000, 15.0 * p.height() + 1600)
                      : QSizeF(15.0 * p.width() + 1100, 15.0 * p.height() + 1300);
    };
    if (!w.visible()) {
        step([&] {
            const QRect screen = ui::services().screenTwips();
            const QSizeF size = fitted();
            w.move(screen.width() / 3.0, screen.height() / 3.0, size.width(), size.height());
        });
        step([&] { w.show(); });
    } else {
        step([&] { w.setWindowState(ui::vbNormal); });
        step([&] { w.activate(); });
        step([&] {
            const QSizeF size = fitted();
            w.move(w.left(), w.top(), size.width(), size.height());
        });
    }

    // The title row and the browser below it.
    step([&] { w.Label1(0).setLeft(120); });
    step([&] { w.Label1(kMinimise).setLeft(w.width() - 1880); });
    step([&] { w.Label1(kClose).setLeft(w.width() - 1010); });
    step([&] { w.WebBrowser1.move(120, Form2::kTitleRow, w.width() - 240, w.height() - 635); });
    step([&] { w.WebBrowser1.document().body().setStyleProperty(QStringLiteral("border"), QStringLiteral("none")); });
    step([&] { forms::form14().lianjie100(4).setEnabled(true); });
    step([&] { forms::form14().lianjie100(5).setEnabled(true); });
}

void PictureViewer::Form_DblClick() {
    step([&] { w.setWindowState(ui::vbMinimized); });
    Form1& f = forms::form1();
    step([&] { f.activate(); });
    step([&] { forms::focusAddressBox(f); });
    if (f.frontIsTab()) {
        step([&] { f.WebBrowser1(forms::frontSlot(f)).setFocus(); });
    } else {
        step([&] { f.WebBrowser1(1).setFocus(); });
    }
}

void PictureViewer::Form_MouseMove(int Button, int, double, double) {
    if (Button == ui::vbLeftButton) {
        step([&] { forms::dragWindow(w.hWnd()); });
        return;
    }
    glyphs_.restBoth();
}

void PictureViewer::Label1_Click(int Index) {
    switch (Index) {
    case kMinimise:
        Form_DblClick();
        glyphs_.rest(kMinimise);
        break;
    case kClose:
        if (guard([&] { return w.listShown(); })) {
            step([&] { w.unload(); });
        } else {
            step([&] { w.hide(); });
            glyphs_.rest(kClose);
        }
        break;
    default:
        break;
    }
}

void PictureViewer::Label1_DblClick(int Index) {
    if (Index == 0) Form_DblClick();
}

void PictureViewer::Label1_MouseDown(int Index, int Button, int, double, double) {
    if (Index == 0 && Button == ui::vbLeftButton) Form_MouseMove(ui::vbLeftButton, 0, 0, 0);
}

void PictureViewer::Label1_MouseMove(int Index, int, int, double, double Y) {
    if (Index == 0) glyphs_.restBoth();
    if (Index == kMinimise || Index == kClose) glyphs_.pointAt(Index, Y >= kHoverTop);
}

bool PictureViewer::CL_oncontextmenu(const web::DocumentEvent&) {
    PictureMenu::popUp(w);
    return false;
}

bool PictureViewer::CL_ondblclick(const web::DocumentEvent&) {
    Form_DblClick();
    return false;
}

bool PictureViewer::CL_ondragstart(const web::DocumentEvent&) { return false; }

bool PictureViewer::CL_onmousemove(const web::DocumentEvent& event) {
    if (event.button == ui::vbLeftButton) Form_MouseMove(ui::vbLeftButton, 0, 0, 0);
    return true;
}
