#include "records/form6.h"

#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/sys/windows.h"

Form6::Form6() : ui::Form(false) {
    setName(QStringLiteral("Form6"));
    setCaption(QStringLiteral("下载"));
    move(0, 0, 6465, 4995);
    WebBrowser1.setName(QStringLiteral("WebBrowser1"));
    WebBrowser1.move(0, 0, 6465, 4995);
    List1.setName(QStringLiteral("List1"));
    List1.setVisible(false);
}

Form6::~Form6() = default;

int Form6::hWnd() { return sys::handleOf(widget()); }

QString Form6::listFile() { return sys::appPath() + QStringLiteral("\\txt\\xiazai.html"); }

QStringList Form6::records() const {
    QStringList lines;
    for (int i = 0; i < List1.listCount(); ++i) lines << List1.list(i);
    return lines;
}

void Form6::downloadRewrite() {
    sys::makeFolder(sys::appPath() + QStringLiteral("\\txt"));
    sys::writeLines(listFile(), records());
}

void Form6::downloadReload() {
    listMode = true;
    WebBrowser1.Navigate(listFile());
}
