#include "settings/skinpicturechoice.h"

#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "forms/skinpicture.h"
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "platform/ui/loadpicture.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "settings/form5.h"
#include "settings/hintbox.h"

#include <QPixmap>

using rt::guard;
using rt::step;

const QString SkinPictureChoice::kNone = QStringLiteral("空");

namespace {

// The home page's body, which shows the skin as its background.
web::Element homeBody(Form1& f) { return f.WebBrowser1(1).document().body(); }

}  // namespace

SkinPictureChoice::SkinPictureChoice(Form5& window) : w(window) {
    w.Command2.onClick = [this] { Command2_Click(); };
    w.Command2.onMouseMove = [this](int, int, double X, double) { Command2_MouseMove(X); };
    w.Text3.onDblClick = [this] { Text3_DblClick(); };
}

void SkinPictureChoice::Command2_Click() {
    QString path;
    step([&] { path = ui::services().openFileName(QString(), forms::skinPictureFilter(), QString()); });
    if (!path.isEmpty()) {
        // The file's own suffix decides, not the folders it lies in.
        if (guard([&] { return !forms::isSkinPictureFile(path); })) {
            step([&] {
                ui::services().msgBox(QStringLiteral("请使用 jpg/gif/bmp 图片"), ui::vbExclamation, QString());
            });
        } else {
            store(path);
        }
    }
    step([&] { w.activate(); });
    step([&] { w.setWindowState(ui::vbNormal); });
}

void SkinPictureChoice::store(const QString& path) {
    Form1& f = forms::form1();
    step([&] { f.setWindowState(ui::vbMinimized); });
    step([&] { forms::write(forms::fgkey::界面图片, path); });
    step([&] { w.Text3.setText(path); });
    step([&] { f.setPicture(ui::loadPicture(w.Text3.text())); });
    step([&] { homeBody(f).setAttribute(QStringLiteral("background"), forms::skinBackground(path)); });
    step([&] { f.setWindowState(ui::vbNormal); });
    step([&] { w.Command1.press(); });
}

void SkinPictureChoice::Command2_MouseMove(double X) {
    HintBox::show(w, w.Command2, X, QStringLiteral("界面图片：请使用 jpg/gif/bmp (双击文本框删除图片)"));
}

void SkinPictureChoice::Text3_DblClick() {
    if (guard([&] { return w.Text3.text() == kNone; })) return;
    Form1& f = forms::form1();
    step([&] { f.setWindowState(ui::vbMinimized); });
    step([&] { forms::write(forms::fgkey::界面图片, kNone); });
    step([&] { f.setPicture(QPixmap()); });
    step([&] { homeBody(f).setAttribute(QStringLiteral("background"), QString()); });
    step([&] { w.Text3.setText(kNone); });
    step([&] { w.Command1.press(); });
    step([&] { f.setWindowState(ui::vbNormal); });
    step([&] { ui::services().msgBox(QStringLiteral("界面图片删除"), ui::vbExclamation, QString()); });
    step([&] { w.activate(); });
}
