#include "settings/generalsettings.h"

#include "forms/settings.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/services.h"
#include "settings/form5.h"
#include "settings/hintbox.h"
#include "settings/settingeditors.h"

using rt::step;

namespace {

// The switches of the frames 界面应用 (Check1) and 网页应用 (Check16), and Check20.
constexpr settings::Switch kSwitches[] = {
    {{&Form5::Check1, 1}, forms::appkey::快捷方式, "有", "无", "勾选：在桌面生成快捷方式"},
    {{&Form5::Check1, 2}, forms::appkey::连接提示, "1", "0", "勾选：显示鼠标所在的网址"},
    {{&Form5::Check1, 3}, forms::appkey::网页右键, "False", "True", "勾选：不使用默认网页右键菜单"},
    {{&Form5::Check1, 4}, forms::appkey::关闭拖拽, "False", "True", "勾选：向网页内拖拽无效(重启生效)"},
    {{&Form5::Check1, 5}, forms::appkey::退出确认, "1", "0", "勾选：退出软件弹出对话框"},
    {{&Form5::Check1, 6}, forms::appkey::网址栏框, "是", "否", "勾选：点网址输入栏全部选中"},
    {{&Form5::Check16, 1}, forms::appkey::禁止拖拽, "False", "True", "勾选：向网页外拖拽无效"},
    {{&Form5::Check16, 2}, forms::appkey::禁止滚轮, "False", "True", "勾选：网页不受鼠标滚轮控制"},
    {{&Form5::Check16, 3}, forms::appkey::禁止选中, "False", "True", "勾选：网页内容鼠标不能选中"},
    {{&Form5::Check16, 4}, forms::appkey::禁止左键, "False", "True", "勾选：网页左键无效(不含框架)"},
    {{&Form5::Check20}, forms::appkey::默认浏览器, "1", "0", "勾选：启动软件不是默认浏览器，会出现对话框"},
};

const char* const kText1Hints[] = {"浏览器名字(重启生效)", "本地连接或是网络连接"};

const char* const kBlank = "about:blank";
const char* const kHome = "导航.html";

}  // namespace

settings::SwitchTable GeneralSettings::switches() { return kSwitches; }

GeneralSettings::GeneralSettings(Form5& window) : w(window) {
    w.Check1.onMouseUp = [this](int Index, int Button, int, double, double) { Check1_MouseUp(Index, Button); };
    w.Check1.onKeyboardToggle = [this](int Index) { storeCheck1(Index); };
    w.Check1.onMouseMove = [this](int Index, int, int, double X, double) { Check1_MouseMove(Index, X); };
    w.Check16.onMouseUp = [this](int Index, int Button, int, double, double) { Check16_MouseUp(Index, Button); };
    w.Check16.onKeyboardToggle = [this](int Index) { storeCheck16(Index); };
    w.Check16.onMouseMove = [this](int Index, int, int, double X, double) { Check16_MouseMove(Index, X); };
    w.Check20.onMouseUp = [this](int Button, int, double, double) { Check20_MouseUp(Button); };
    w.Check20.onKeyboardToggle = [this] { storeCheck20(); };
    w.Check20.onMouseMove = [this](int, int, double X, double) { Check20_MouseMove(X); };
    w.Option1.onMouseUp = [this](int Button, int, double, double) { Option1_MouseUp(Button); };
    w.Option1.onKeyboardToggle = [this] { chooseBlank(); };
    w.Option2.onMouseUp = [this](int Button, int, double, double) { Option2_MouseUp(Button); };
    w.Option2.onKeyboardToggle = [this] { chooseHome(); };
    w.Text1.onClick = [this](int Index) { Text1_Click(Index); };
    w.Text1.onMouseMove = [this](int Index, int, int, double X, double) { Text1_MouseMove(Index, X); };
}

void GeneralSettings::Check1_MouseUp(int Index, int Button) {
    if (settings::commits(Button)) storeCheck1(Index);
}

void GeneralSettings::Check16_MouseUp(int Index, int Button) {
    if (settings::commits(Button)) storeCheck16(Index);
}

void GeneralSettings::Check20_MouseUp(int Button) {
    if (settings::commits(Button)) storeCheck20();
}

void GeneralSettings::storeCheck1(int Index) {
    step([&] { settings::storeSwitch(w, switches().row(&Form5::Check1, Index)); });
    step([&] { w.Command1.press(); });
}

void GeneralSettings::storeCheck16(int Index) {
    step([&] { settings::storeSwitch(w, switches().row(&Form5::Check16, Index)); });
    step([&] { w.Command1.press(); });
}

void GeneralSettings::storeCheck20() {
    step([&] { settings::storeSwitch(w, switches().row(&Form5::Check20)); });
    step([&] { w.Command1.press(); });
}

// A release beside the option leaves it unselected: nothing is chosen then.
void GeneralSettings::Option1_MouseUp(int Button) {
    if (settings::commits(Button) && w.Option1.value()) chooseBlank();
}

void GeneralSettings::Option2_MouseUp(int Button) {
    if (settings::commits(Button) && w.Option2.value()) chooseHome();
}

void GeneralSettings::chooseBlank() {
    step([&] { w.Option1.setEnabled(false); });
    step([&] { w.Option2.setEnabled(true); });
    step([&] { w.Text1(1).setText(QString::fromUtf8(kBlank)); });
    step([&] { forms::write(forms::appkey::启动主页, QString::fromUtf8(kBlank)); });
    step([&] { w.Command1.press(); });
}

void GeneralSettings::chooseHome() {
    step([&] { w.Option2.setEnabled(false); });
    step([&] { w.Option1.setEnabled(true); });
    step([&] { w.Text1(1).setText(QString::fromUtf8(kHome)); });
    step([&] { forms::write(forms::appkey::启动主页, QString::fromUtf8(kHome)); });
    step([&] { w.Command1.press(); });
}

void GeneralSettings::Text1_Click(int Index) {
    if (Index != 0 && Index != 1) return;
    QString old;
    step([&] { old = w.Text1(Index).text(); });
    QString answer;
    step([&] { answer = settings::askChange(w.Label3.caption(), old); });
    if (answer.isEmpty()) return;
    if (Index == 1 && rt::len(answer) < 4) {
        ui::refuse(QStringLiteral("最少4个字"));
        return;
    }
    step([&] { w.Text1(Index).setText(answer); });
    step([&] { forms::write(Index == 0 ? forms::appkey::软件命名 : forms::appkey::启动主页, answer); });
    step([&] { w.Command1.press(); });
}

void GeneralSettings::Check1_MouseMove(int Index, double X) {
    if (const settings::Switch* s = switches().find(&Form5::Check1, Index)) settings::showHint(w, *s, X);
}

void GeneralSettings::Check16_MouseMove(int Index, double X) {
    if (const settings::Switch* s = switches().find(&Form5::Check16, Index)) settings::showHint(w, *s, X);
}

void GeneralSettings::Check20_MouseMove(double X) { settings::showHint(w, switches().row(&Form5::Check20), X); }

void GeneralSettings::Text1_MouseMove(int Index, double X) {
    if (Index != 0 && Index != 1) return;
    HintBox::show(w, w.Text1(Index), X, QString::fromUtf8(kText1Hints[Index]));
}
