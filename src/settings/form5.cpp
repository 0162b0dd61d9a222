#include "settings/form5.h"

Form5::Form5() : ui::Form(false) {
    setCaption(QStringLiteral("设置"));
    move(0, 0, 9000, 6600);
    for (int i = 1; i <= 6; ++i) Check1.add(i, client()).move(240, 240 + (i - 1) * 360, 3000, 300);
}
