#include "records/form3.h"

#include "platform/sys/programfolder.h"
#include "platform/sys/windows.h"

Form3::Form3() : ui::Form(false) {
    setName(QStringLiteral("Form3"));
    setCaption(QStringLiteral("网页"));
    setFontName(QStringLiteral("宋体"));
    setFontSize(10.5);
    move(0, 0, 9885, 5565);
    const char* const captions[] = {"清空", "复制", "浏览"};
    for (int i = 1; i <= 3; ++i) {
        ui::CommandButton& b = Command1.add(i, client());
        b.setCaption(QString::fromUtf8(captions[i - 1]));
        b.move(120 + 960 * (i - 1), 120, 975, 495);
    }
    Text1.setName(QStringLiteral("Text1"));
    Text1.setText(QStringLiteral("Text1"));
    Text1.move(4200, 2160, 2295, 375);
    List1.setName(QStringLiteral("List1"));
    List1.setFontName(QStringLiteral("宋体"));
    List1.setFontSize(9);
    List1.move(120, 720, 3720, 4710);
    List1.zOrder(0);  // the text box lies under the list
}

int Form3::hWnd() { return sys::handleOf(widget()); }

QString Form3::logFile() { return sys::appPath() + QStringLiteral("\\txt\\liulan.txt"); }
