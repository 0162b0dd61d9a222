#include "forms/settings.h"

#include "forms/form1.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/sys/inifile.h"

namespace forms {

QString read(Txt file, const QString& name) {
    const QString path = txtPath(file);
    WindowOwner* owner = WindowOwner::current();
    if (Form1* f = owner ? owner->existingForm1() : nullptr) return f->OS(path, kSection, name);
    return sys::getProfileString(path, kSection, name);
}

double readNumber(const Key& key, double whenNoNumber) {
    const QString value = read(key);
    return rt::isNumeric(value) ? rt::toDouble(value) : whenNoNumber;
}

void write(Txt file, const QString& name, const QString& value) {
    sys::writeProfileString(txtPath(file), kSection, name, value);
}

}  // namespace forms
