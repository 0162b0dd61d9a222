#include "mainwindow/placeholders.h"

#include "app/config.h"
#include "platform/rt/error.h"

Form5::Form5() : ui::Form(false) {
    setCaption(QStringLiteral("设置"));
    move(0, 0, 9000, 6600);
    for (int i = 1; i <= 6; ++i) Check1.add(i, client()).move(240, 240 + (i - 1) * 360, 3000, 300);
    onLoad = [this] {
        rt::step([&] { Check1(3).setValue(app::setting(QStringLiteral("网页右键")) == QStringLiteral("False") ? 1 : 0); });
    };
}

Form3::Form3() : ui::Form(false) {
    setCaption(QStringLiteral("网页"));
    move(0, 0, 7200, 6000);
}

Form6::Form6() : ui::Form(false) {
    setCaption(QStringLiteral("下载"));
    move(0, 0, 7200, 6000);
}

Form2::Form2() : ui::Form(false) {
    move(0, 0, 6000, 4500);
    WebBrowser1.setName(QStringLiteral("WebBrowser1"));
    WebBrowser1.move(0, 0, 6000, 4500);
    onLoad = [this] { setCaption(QStringLiteral("图片")); };
    WebBrowser1.onDocumentComplete = [this](const QString&) {
        rt::step([&] { show(); });
        rt::step([&] { activate(); });
    };
}
