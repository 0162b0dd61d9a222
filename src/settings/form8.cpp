#include "settings/form8.h"

#include "settings/swatches.h"

namespace {

const double kColumnLeft[] = {120, 1440, 3000, 4320, 5880, 7200};

}  // namespace

Form8::Form8() : ui::Form(false) {
    setCaption(QStringLiteral("选择颜色"));
    move(0, 0, 8655, 6135);
    setBorderStyle(1);

    Picture1.setName(QStringLiteral("Picture1"));
    Picture1.setBorderStyle(0);
    Picture1.move(0, 0, 8655, 6135);

    ui::TextBox& result = Text1.add(0, Picture1.container());
    result.move(120, 120, 2655, 375);
    result.setBorderStyle(0);
    result.setBackColor(ui::kButtonFace);
    result.setAlignment(ui::vbCenter);
    result.setText(QStringLiteral("0"));

    for (int i = 1; i <= settings::kSwatchCount; ++i) {
        const settings::Swatch& s = settings::swatch(i);
        ui::TextBox& box = Text1.add(i, Picture1.container());
        box.move(kColumnLeft[s.column - 1], 240 + 360 * (s.row - 1), 1335, 375);
        box.setLocked(true);
        box.setAlignment(ui::vbCenter);
        box.setFontName(QStringLiteral("宋体"));
        box.setFontSize(12);
        box.setBackColor(s.colour);
        box.setForeColor(s.text);
        box.setText(QString::fromUtf8(s.name));
    }
}

Form8::~Form8() = default;
