// Zelvaro: program entry.
#include "app/windowowner.h"
#include "mainwindow/form1.h"
#include "platform/sys/programfolder.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvaro浏览器"));
    sys::setAppPath(QString());  // the executable's folder

    Form1& main = app::form1();
    main.show();

    const int code = app.exec();
    app::windows().reset();
    return code;
}
