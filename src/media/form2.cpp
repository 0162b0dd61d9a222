#include "media/form2.h"

Form2::Form2() : ui::Form(false) {
    move(0, 0, 6000, 4500);
    WebBrowser1.setName(QStringLiteral("WebBrowser1"));
    WebBrowser1.move(0, 0, 6000, 4500);
}
