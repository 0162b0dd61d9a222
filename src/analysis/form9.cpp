#include "analysis/form9.h"

#include "platform/ui/services.h"

namespace {

struct Place {
    double left, top, width, height;
    double markLeft, markTop;  // rows 1..10
};

// Rows 0..10: the box and its mark.
const Place kPlaces[] = {
    {120, 3120, 5055, 1035, 0, 0},      {120, 120, 4695, 315, 4800, 90},   {120, 480, 4695, 315, 4800, 450},
    {120, 960, 2055, 315, 2160, 930},   {120, 1320, 3495, 315, 3600, 1290}, {120, 1800, 1455, 315, 1560, 1770},
    {120, 2160, 1455, 315, 1560, 2130}, {120, 2520, 1455, 315, 1560, 2490}, {2280, 1800, 1455, 315, 3720, 1770},
    {2280, 2160, 1455, 315, 3720, 2130}, {2280, 2520, 1455, 315, 3720, 2490},
};

const char* const kDesignTexts[] = {"呈现\r\n", "网页标题:", "网页地址:", "网页大小:", "网站域名:", "连接数量:",
                                    "图片数量:", "脚本数量:", "框架数量:", "动画数量:", "标记数量:"};

}  // namespace

Form9::Form9() : ui::Form(false) {
    setName(QStringLiteral("Form9"));
    setCaption(QStringLiteral("得分"));
    setBorderStyle(1);
    const QRect screen = ui::services().screenTwips();
    move(screen.left() + (screen.width() - kWidth) / 2, screen.top() + (screen.height() - kHeight) / 2, kWidth, kHeight);

    Picture2.setName(QStringLiteral("Picture2"));
    Picture2.setBorderStyle(0);
    Picture2.move(0, 0, kWidth, kHeight);

    for (int i = 0; i <= 10; ++i) {
        Box& box = Text3.add(i, Picture2.container(), i == 0);
        const Place& p = kPlaces[i];
        box.move(p.left, p.top, p.width, p.height);
        box.setLocked(true);
        box.setBackColor(kBoxBack);
        box.setForeColor(kBoxText);
        box.setFontName(QStringLiteral("宋体"));
        box.setFontSize(10.5);
        box.setText(QString::fromUtf8(kDesignTexts[i]));
        if (i == 0) continue;
        ui::Label& mark = Label2.add(i, Picture2.container());
        mark.move(p.markLeft, p.markTop, 330, 315);
        mark.setBackStyle(0);
        mark.setFontName(QStringLiteral("宋体"));
        mark.setFontSize(15.75);
        // A mark of several characters ("-100") is not cut off.
        mark.setAutoSize(true);
    }
}

Form9::~Form9() = default;
