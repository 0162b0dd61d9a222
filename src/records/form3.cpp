#include "records/form3.h"

Form3::Form3() : ui::Form(false) {
    setCaption(QStringLiteral("网页"));
    move(0, 0, 7200, 6000);
}
