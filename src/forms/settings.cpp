#include "forms/settings.h"

#include "forms/form1.h"
#include "forms/windowowner.h"
#include "platform/sys/inifile.h"
#include "platform/sys/programfolder.h"

namespace forms {

QString txtPath(Txt file) {
    switch (file) {
    case Txt::App: return sys::appPath() + QStringLiteral("\\txt\\应用.txt");
    case Txt::Fg: return sys::appPath() + QStringLiteral("\\txt\\fg.txt");
    case Txt::Yuyan: return sys::appPath() + QStringLiteral("\\txt\\语言.txt");
    case Txt::Youjian: return sys::appPath() + QStringLiteral("\\txt\\右键.txt");
    case Txt::Sousuo: return sys::appPath() + QStringLiteral("\\txt\\sousuo.txt");
    }
    return QString();
}

const std::vector<Key>& allKeys() {
#define ZV_APP(k) appkey::k,
#define ZV_FG(k) fgkey::k,
#define ZV_YUYAN(k) yuyankey::k,
    static const std::vector<Key> keys = {ZV_APP_KEYS(ZV_APP) ZV_FG_KEYS(ZV_FG) ZV_YUYAN_KEYS(ZV_YUYAN)};
#undef ZV_APP
#undef ZV_FG
#undef ZV_YUYAN
    return keys;
}

QString read(Txt file, const QString& name) {
    const QString path = txtPath(file);
    WindowOwner* owner = WindowOwner::current();
    if (Form1* f = owner ? owner->existingForm1() : nullptr) return f->OS(path, kSection, name);
    return sys::getProfileString(path, kSection, name);
}

void write(Txt file, const QString& name, const QString& value) {
    sys::writeProfileString(txtPath(file), kSection, name, value);
}

}  // namespace forms
