#include "media/form2.h"

#include "platform/sys/windows.h"
#include "platform/ui/events.h"

const QString Form2::kCaption = QStringLiteral("图片");

Form2::Form2() : ui::Form(true) {
    setCaption(QStringLiteral("Form2"));
    setBackColor(kBack);
    move(0, 0, 6000, 4500);

    for (int i : {0, 1, 3}) {
        ui::Label& l = Label1.add(i, client());
        l.setAutoSize(true);
        l.setBackStyle(0);
        l.setBackColor(kHoverBack);
        l.setForeColor(kText);
    }
    Label1(0).setCaption(QStringLiteral("0KB"));
    Label1(0).setFontSize(12);
    Label1(0).move(120, 40);
    for (int i : {1, 3}) {
        Label1(i).setFontSize(14.25);
        Label1(i).setBorderStyle(1);
    }
    Label1(1).move(6000 - 1880, -10);
    Label1(3).move(6000 - 1010, -10);

    WebBrowser1.setName(QStringLiteral("WebBrowser1"));
    WebBrowser1.move(120, kTitleRow, 6000 - 240, 4500 - 635);
    // It shows pictures: no script of a picture (an SVG's) or of any page opened in it runs.
    WebBrowser1.setRunsNoScripts(true);
}

Form2::~Form2() = default;

void Form2::Label1_Click(int Index) { ui::dispatch(Label1.onClick, Index); }

bool Form2::listShown() const { return Label1(0).caption().contains(QStringLiteral("图片")); }

int Form2::hWnd() { return sys::handleOf(widget()); }
