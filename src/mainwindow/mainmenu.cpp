#include "mainwindow/mainmenu.h"

#include "forms/programfiles.h"
#include "forms/settings.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/programstarts.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/shell.h"
#include "platform/ui/events.h"
#include "platform/ui/menu.h"

using rt::guard;
using rt::step;

MainMenu::MainMenu(Form1& form, Form4& owner) : f(form), m(owner) {
    f.onMouseDown = [this](int Button, int Shift, double X, double Y) { Form_MouseDown(Button, Shift, X, Y); };
    m.LISHI.onClick = [this](int Index) { LISHI_Click(Index); };
}

void MainMenu::Form_MouseDown(int Button, int Shift, double X, double Y) {
    if (Button == ui::vbLeftButton) {
        f.noRefresh = 1;
    } else if (Button == ui::vbRightButton) {
        prepareMainMenu();
        step([&] { ui::popupMenu(m.caidan); });
    }
}

void MainMenu::prepareMainMenu() {
    auto key = [](const char* prefix, int n) {
        return QString::fromUtf8(prefix) + QString::number(n).rightJustified(2, QLatin1Char('0'));
    };

    // Captions from 右键.txt (there is no CNE03).
    step([&] { m.caidan100(1).setCaption(forms::read(forms::Txt::Youjian, QStringLiteral("CNE01"))); });
    step([&] { m.caidan100(2).setCaption(forms::read(forms::Txt::Youjian, QStringLiteral("CNE02"))); });
    step([&] { m.WYJZ.setCaption(forms::read(forms::Txt::Youjian, QStringLiteral("CNE04"))); });
    step([&] { m.SSYQ.setCaption(forms::read(forms::Txt::Youjian, QStringLiteral("CNE05"))); });
    step([&] { m.WYSF.setCaption(forms::read(forms::Txt::Youjian, QStringLiteral("CNE06"))); });
    step([&] { m.RCGJ.setCaption(forms::read(forms::Txt::Youjian, QStringLiteral("CNE07"))); });
    for (int i = 1; i <= 5; ++i) step([&] { m.LISHI(i).setCaption(forms::read(forms::Txt::Youjian, key("CNE", 7 + i))); });
    for (int i = 1; i <= 4; ++i) step([&] { m.GB(i).setCaption(forms::read(forms::Txt::Youjian, key("CNE", 12 + i))); });
    // The desktop has no counterpart of the engine's options panel.
    step([&] { m.LISHI(5).setEnabled(false); });

    // The current colour scheme: checked and disabled. Only the scheme handler clears the mark.
    step([&] {
        const QString scheme = forms::read(forms::fgkey::界面颜色);
        const QString names[] = {QStringLiteral("灰"), QStringLiteral("紫"), QStringLiteral("黑"), QStringLiteral("蓝")};
        for (int i = 0; i < 4; ++i) {
            if (scheme == names[i]) {
                m.peise(i + 1).setChecked(true);
                m.peise(i + 1).setEnabled(false);
                break;
            }
        }
    });

    // Page margins.
    step([&] { m.peise(6).setChecked(forms::read(forms::fgkey::界面边距) == QStringLiteral("有")); });

    // Page filters: "0" is on; a value that is no number counts as on.
    const forms::Key filters[] = {forms::appkey::框架不加载, forms::appkey::脚本被删除, forms::appkey::框架被删除};
    for (int i = 0; i < 3; ++i) {
        step([&] { m.WYJZ100(i).setChecked(forms::readNumber(filters[i], 0) == 0); });
    }

    // Search engines: names from sousuo.txt, every item enabled and unchecked, then the current one
    // checked and disabled.
    for (int n = 1; n <= 10; ++n) {
        if (n <= 9)
            step([&] {
                m.SSYQ100(n).setCaption(forms::read(forms::Txt::Sousuo, QStringLiteral("搜索名字") + QString::number(n)));
            });
        step([&] { m.SSYQ100(n).setEnabled(true); });
        step([&] { m.SSYQ100(n).setChecked(false); });
    }
    step([&] { m.SSYQ100(rt::toInt16(forms::read(forms::appkey::搜索引擎))).setEnabled(false); });
    step([&] { m.SSYQ100(rt::toInt16(forms::read(forms::appkey::搜索引擎))).setChecked(true); });
}

void MainMenu::LISHI_Click(int Index) {
    switch (Index) {
    case 1:
        step([&] { f.Command2(14).press(); });
        break;
    case 2:
        step([&] { f.Command2(15).press(); });
        break;
    case 3:
        step([&] { f.Command2(16).press(); });
        break;
    case 4:
        // The navigation page in the desktop's other browser; a browser that cannot be started is
        // named in a message.
        step([&] {
            forms::started(sys::launcher().openInOtherBrowser(sys::nativePath(forms::navPagePath())));
        });
        break;
    default:
        break;
    }
}
