#include "forms/settingkeys.h"

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

}  // namespace forms
