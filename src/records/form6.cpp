#include "records/form6.h"

Form6::Form6() : ui::Form(false) {
    setCaption(QStringLiteral("下载"));
    move(0, 0, 7200, 6000);
}
