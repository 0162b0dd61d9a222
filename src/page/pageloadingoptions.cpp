#include "page/pageloadingoptions.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/settings.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/sys/engineswitches.h"
#include "platform/sys/registry.h"
#include "platform/ui/services.h"

using rt::step;

namespace {

struct Filter {
    forms::Key key;
    const char* firstLine;
    const char* secondLine;
};
const Filter kFilters[] = {
    {forms::appkey::框架不加载, "框架不加载勾选：很可能造成网页功能破坏( 打不开网页，无法登录，发贴等.. )",
     "但是一般广告在框架里，纯碎浏览可以开着"},
    {forms::appkey::脚本被删除, "脚本勾选：很可能造成网页功能破坏( 无法和网页进行互动 )", "纯碎浏览可以开着"},
    {forms::appkey::框架被删除, "框架勾选：有可能造成网页功能破坏", "纯碎浏览可以开着"},
};

struct EngineSwitch {
    const char* path;
    const char* on;
    const char* off;
    const char* type;
};
const EngineSwitch kSwitches[] = {
    {sys::kPicturesSwitchPath, sys::kPicturesOffText, "yes", "REG_SZ"},
    {sys::kPluginsSwitchPath, sys::kZoneDisabledText, "0", "REG_DWORD"},
    {sys::kScriptsSwitchPath, sys::kZoneDisabledText, "0", "REG_DWORD"},
};

}  // namespace

PageLoadingOptions::PageLoadingOptions(Form1& form, Form4& owner) : f(form), m(owner) {
    m.WYJZ100.onClick = [this](int Index) { WYJZ100_Click(Index); };
}

QString PageLoadingOptions::warning(int Index) {
    const Filter& filter = kFilters[Index];
    return QString::fromUtf8(filter.firstLine) + QStringLiteral("\r\n") + QString::fromUtf8(filter.secondLine);
}

void PageLoadingOptions::WYJZ100_Click(int Index) {
    if (Index >= 0 && Index <= 2) {
        switchFilter(Index);
    } else if (Index >= 4 && Index <= 6) {
        switchEngine(Index);
    }
}

void PageLoadingOptions::switchFilter(int Index) {
    const forms::Key& key = kFilters[Index].key;
    // Off (1) is switched on; on ("0", also any text that is no number, as the menu and the filters
    // read it) and any other number are switched off.
    if (forms::readNumber(key, 0) == 1) {
        step([&] { forms::write(key, QStringLiteral("0")); });
        step([&] { ui::services().msgBox(warning(Index), ui::vbOKOnly + ui::vbExclamation, QString()); });
    } else {
        step([&] { forms::write(key, QStringLiteral("1")); });
    }
    // Frame blocking and stripping exclude each other.
    if (Index == 0) {
        step([&] { forms::write(forms::appkey::脚本被删除, QStringLiteral("1")); });
        step([&] { forms::write(forms::appkey::框架被删除, QStringLiteral("1")); });
    } else {
        step([&] { forms::write(forms::appkey::框架不加载, QStringLiteral("1")); });
    }
}

void PageLoadingOptions::switchEngine(int Index) {
    const EngineSwitch& s = kSwitches[Index - 4];
    ui::Menu& item = m.WYJZ100(Index);
    const bool on = !item.checked();
    // The mark follows the registry: a write the registry refuses leaves both as they were.
    step([&] {
        sys::Registry::RegWrite(QString::fromUtf8(s.path), QString::fromUtf8(on ? s.on : s.off), QString::fromUtf8(s.type));
        item.setChecked(on);
    });
}
