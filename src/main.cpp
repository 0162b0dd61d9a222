// Zelvaro: program entry. The one argument is an address or a local file opened at start.
#include "program.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/fontsubstitutes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvaro浏览器"));
    // The toolkit's own texts (file choosers, edit menus of text boxes) in Chinese, as the rest.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);
    ui::installFontSubstitutes();
    // The program ends itself through its exit sequence, never because its last window went away.
    QApplication::setQuitOnLastWindowClosed(false);
    sys::setAppPath(QString());  // the executable's folder

    int code = 0;
    {
        Program program(QApplication::arguments().value(1));
        if (program.start()) code = application.exec();
    }
    return code;
}
