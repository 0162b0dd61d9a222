// The bare engine view: the page engine alone, loading the address given on the command line, in a
// window of the size and place the program's window takes with its shipped settings (690, 600,
// 10605 x 7800 twips). The benchmark measures the program against it.
#include <QApplication>
#include <QUrl>
#include <QWebView>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWebView view;
    view.setGeometry(46, 40, 707, 520);
    view.load(QUrl::fromUserInput(QApplication::arguments().value(1)));
    view.show();
    return application.exec();
}
