#include "page/documentmenuactions.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/jobs.h"
#include "forms/programstarts.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "media/form2.h"
#include "media/flashpopout.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/sys/launcher.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

#include <cmath>

using rt::guard;
using rt::step;

DocumentMenuActions::DocumentMenuActions(Form1& form, Form4& owner) : f(form), m(owner) {
    m.WDYJ100.onClick = [this](int Index) { WDYJ100_Click(Index); };
    m.SX100.onClick = [this](int Index) { SX100_Click(Index); };
    m.GIS100.onClick = [this](int Index) { GIS100_Click(Index); };
}

bool DocumentMenuActions::frontPoppedOut() {
    return guard([&] { return std::floor(rt::toDouble(f.Command7.tag())) == forms::frontSlot(f); });
}

void DocumentMenuActions::WDYJ100_Click(int Index) {
    auto browser = [&]() -> web::WebBrowser& { return f.WebBrowser1(forms::frontSlot(f)); };
    switch (Index) {
    case 1:
    case 2:
        if (frontPoppedOut()) {
            step([&] { f.FlashMsg(); });
            return;
        }
        step([&] { Index == 1 ? browser().GoBack() : browser().GoForward(); });
        break;
    case 3: {
        bool selection = true;
        step([&] { selection = rt::len(browser().document().selectionText()) > 0; });
        if (selection) {
            // The copy puts the selection on the clipboard; it never empties it.
            step([&] { browser().ExecWB(web::kExecCopy, 0); });
        } else {
            QString answer;
            step([&] {
                answer = ui::askInInputBox(QStringLiteral("连接"), QStringLiteral("复制"), f.Label1.caption());
            });
            // Cancel or an empty answer leaves the user's clipboard as it was.
            if (!answer.isEmpty()) step([&] { ui::services().setClipboardText(answer); });
        }
        break;
    }
    case 4:
        step([&] { browser().ExecWB(web::kExecPaste, 0); });
        break;
    case 5: {
        QString src;
        step([&] { src = browser().document().event().srcElement.srcResolved(); });
        step([&] { forms::window<Form2>().WebBrowser1.Navigate(src); });
        break;
    }
    default:
        break;
    }
}

void DocumentMenuActions::SX100_Click(int Index) {
    auto browser = [&]() -> web::WebBrowser& { return f.WebBrowser1(forms::frontSlot(f)); };
    switch (Index) {
    case 1:
        step([&] { browser().document().scrollTo(0, 0); });
        break;
    case 2:
        if (frontPoppedOut()) {
            step([&] { f.FlashMsg(); });
            return;
        }
        // The reload always runs; only the hint bar's job follows 连接提示 (1, or no number).
        if (forms::readNumber(forms::appkey::连接提示, 1) == 1) {
            step([&] { forms::start(f, forms::Job::HintRearm); });
        }
        step([&] { browser().ExecWB(web::kExecRefresh, 0); });
        break;
    case 3:
        if (frontPoppedOut()) FlashPopOut::returnPlayer();
        // The page's real end, however long the page.
        step([&] {
            const web::Document doc = browser().document();
            const int height = rt::toInt32(doc.evaluate(QStringLiteral(
                "Math.max(document.documentElement ? document.documentElement.scrollHeight : 0,"
                " document.body ? document.body.scrollHeight : 0)")));
            doc.scrollTo(0, height);
        });
        break;
    default:
        break;
    }
}

void DocumentMenuActions::GIS100_Click(int Index) {
    switch (Index) {
    case 1:
        step([&] { m.BQYJ100(1).setTag(f.Label9.caption()); });
        step([&] { m.BQYJ100(1).click(); });
        break;
    case 2:
        step([&] { forms::started(sys::launcher().openInOtherBrowser(f.Label1.caption())); });
        break;
    case 3:
        step([&] { f.Label13_Click(); });
        break;
    default:
        break;
    }
}
