#include "page/documentmenu.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "page/formfill.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/menu.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

using rt::guard;
using rt::step;

namespace {

QString youjian(int n) { return forms::read(forms::Txt::Youjian, QStringLiteral("CNA%1").arg(n, 2, 10, QLatin1Char('0'))); }

}  // namespace

DocumentMenu::DocumentMenu(Form1& form, Form4& owner) : f(form), m(owner) {
    f.Command4.onClick = [this] { Command4_Click(); };
}

void DocumentMenu::Command4_Click() {
    auto page = [&] { return f.WebBrowser1(forms::frontSlot(f)).document(); };
    // 1, 2: history.
    step([&] { m.WDYJ100(1).setEnabled(f.backFlags[forms::frontSlot(f)] == 1); });
    step([&] { m.WDYJ100(2).setEnabled(f.forwardFlags[forms::frontSlot(f)] == 1); });
    // 3: a picture under the pointer (a src that cannot be read counts as none).
    if (guard([&] { return rt::len(page().event().srcElement.srcResolved()) >= 1; })) {
        step([&] { m.WDYJ100(5).setEnabled(true); });
    }
    if (guard([&] { return rt::len(page().event().srcElement.srcResolved()) == 0; })) {
        step([&] { m.WDYJ100(5).setEnabled(false); });
    }
    // 4: a link under the pointer, else a selection for 复制.
    if (guard([&] { return rt::left(f.Label1.caption(), 4) == QLatin1String("http"); })) {
        step([&] { m.WDYJ100(3).setEnabled(true); });
        for (int i = 1; i <= 3; ++i) step([&] { m.DK100(i).setEnabled(true); });
        step([&] { m.GIS100(2).setEnabled(true); });
    } else {
        // Enabled with a selection, and when the selection cannot be read.
        bool selection = true;
        step([&] { selection = rt::len(page().selectionText()) > 0; });
        step([&] { m.WDYJ100(3).setEnabled(selection); });
        for (int i = 1; i <= 3; ++i) step([&] { m.DK100(i).setEnabled(false); });
        step([&] { m.GIS100(2).setEnabled(false); });
    }
    // 5: search words.
    step([&] { m.GIS100(3).setEnabled(!f.Label13.tag().isEmpty()); });
    // Captions, read anew at every popup.
    for (int i = 1; i <= 9; ++i) {
        step([&] {
            m.TK100(i).setCaption(f.OS(FormFill::filePath(), QStringLiteral("Zelvaro"), QStringLiteral("标题%1").arg(i)));
        });
    }
    for (int i = 1; i <= 5; ++i) step([&] { m.WDYJ100(i).setCaption(youjian(i)); });
    for (int i = 1; i <= 4; ++i) step([&] { m.DK100(i).setCaption(youjian(5 + i)); });
    for (int i = 1; i <= 3; ++i) step([&] { m.SX100(i).setCaption(youjian(9 + i)); });
    step([&] { m.GIS100(1).setCaption(youjian(13)); });
    step([&] { m.GIS100(2).setCaption(youjian(14)); });
    step([&] { m.yuanma100(1).setCaption(youjian(16)); });
    step([&] { m.yuanma100(2).setCaption(youjian(17)); });
    step([&] { ui::popupMenu(m.WDYJ); });
}
