#include "records/favoriteswindow.h"

#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/controls.h"
#include "records/form13.h"

using rt::step;

FavoritesWindow::FavoritesWindow(Form13& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.onResize = [this] { Form_Resize(); };
}

void FavoritesWindow::Form_Load() {
    step([&] { w.setIcon(ui::loadPicture(sys::appPath() + QStringLiteral("\\pifu\\0.ico"))); });
    if (rt::guard([&] { return sys::fileExists(Form13::favoritesFile()); })) {
        step([&] { w.WebBrowser1.Navigate(Form13::favoritesFile()); });
        step([&] {
            for (const QString& line : sys::readLines(Form13::favoritesFile())) w.List1.addItem(line);
        });
    } else {
        step([&] { w.WebBrowser1.Navigate(QStringLiteral("about:blank")); });
    }
    step([&] { w.WebBrowser1.setRegisterAsDropTarget(false); });
}

void FavoritesWindow::Form_Resize() {
    step([&] { w.WebBrowser1.move(0, 0, w.scaleWidth(), w.scaleHeight()); });
}
