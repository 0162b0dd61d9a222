#include "records/form13.h"

#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "records/favoriterecord.h"

#include <QDir>

using rt::step;

Form13::Form13() : ui::Form(false) {
    setCaption(QStringLiteral("网址"));
    move(0, 0, 10425, 7845);
    WebBrowser1.setName(QStringLiteral("WebBrowser1"));
    WebBrowser1.move(0, 0, 10425, 7845);
    List1.setName(QStringLiteral("List1"));
    List1.setVisible(false);
    onLoad = [this] { Form_Load(); };
    onResize = [this] { Form_Resize(); };
}

Form13::~Form13() = default;

QString Form13::favoritesFile() { return sys::appPath() + QStringLiteral("\\txt\\网址.html"); }

void Form13::Form_Load() {
    step([&] { setIcon(ui::loadPicture(sys::appPath() + QStringLiteral("\\pifu\\0.ico"))); });
    if (rt::guard([&] { return sys::fileExists(favoritesFile()); })) {
        step([&] { WebBrowser1.Navigate(favoritesFile()); });
        step([&] {
            for (const QString& line : sys::readLines(favoritesFile())) List1.addItem(line);
        });
    } else {
        step([&] { WebBrowser1.Navigate(QStringLiteral("about:blank")); });
    }
    step([&] { WebBrowser1.setRegisterAsDropTarget(false); });
}

void Form13::Form_Resize() {
    step([&] { WebBrowser1.move(0, 0, scaleWidth(), scaleHeight()); });
}

QStringList Form13::records() const {
    QStringList lines;
    const int n = List1.listCount();
    lines.reserve(n);
    for (int i = 0; i < n; ++i) lines << List1.list(i);
    return lines;
}

void Form13::favoritesRewrite() {
    const QString folder = sys::appPath() + QStringLiteral("\\txt");
    if (!sys::folderExists(folder)) QDir().mkpath(sys::nativePath(folder));
    sys::writeLines(favoritesFile(), records());
}

void Form13::favoritesReload() { WebBrowser1.Navigate(favoritesFile()); }

bool Form13::addRecord(const FavoriteRecord& record) {
    if (!FavoriteRecord::canAdd(List1.listCount())) return false;
    List1.addItem(record.toLine(), 0);
    step([&] { favoritesRewrite(); });
    step([&] { favoritesReload(); });
    return true;
}
