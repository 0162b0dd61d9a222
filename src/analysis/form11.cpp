#include "analysis/form11.h"

Form11::Form11() : ui::Form(false) {
    setName(QStringLiteral("Form11"));
    setCaption(QStringLiteral("源码"));
    move(0, 0, 10005, 7005);
    WebBrowser1.setName(QStringLiteral("WebBrowser1"));
    WebBrowser1.move(0, 0, 10005, 7005);
}

Form11::~Form11() = default;
