#include "records/form13.h"

#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/sys/windows.h"
#include "records/favoriterecord.h"

#include <exception>

using rt::step;

Form13::Form13() : ui::Form(false) {
    setCaption(QStringLiteral("网址"));
    move(0, 0, 10425, 7845);
    WebBrowser1.setName(QStringLiteral("WebBrowser1"));
    WebBrowser1.move(0, 0, 10425, 7845);
    List1.setName(QStringLiteral("List1"));
    List1.setVisible(false);
}

Form13::~Form13() = default;

QString Form13::favoritesFile() { return sys::appPath() + QStringLiteral("\\txt\\网址.html"); }

QStringList Form13::records() const {
    QStringList lines;
    const int n = List1.listCount();
    lines.reserve(n);
    for (int i = 0; i < n; ++i) lines << List1.list(i);
    return lines;
}

void Form13::favoritesRewrite() {
    sys::makeFolder(sys::appPath() + QStringLiteral("\\txt"));
    sys::writeLines(favoritesFile(), records());
}

void Form13::favoritesReload() { WebBrowser1.Navigate(favoritesFile()); }

bool Form13::addRecord(const FavoriteRecord& record) {
    if (!FavoriteRecord::canAdd(List1.listCount())) return false;
    List1.addItem(record.toLine(), 0);
    std::exception_ptr notWritten;
    try {
        favoritesRewrite();
    } catch (const std::exception&) {
        notWritten = std::current_exception();
    }
    step([&] { favoritesReload(); });
    if (notWritten) std::rethrow_exception(notWritten);
    return true;
}

int Form13::hWnd() { return sys::handleOf(widget()); }
