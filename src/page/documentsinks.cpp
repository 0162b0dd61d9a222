#include "page/documentsinks.h"

#include "app/aboutoverlay.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/jobs.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/menu.h"
#include "platform/web/webbrowser.h"
#include "forms/parts.h"
#include "media/flashpopout.h"

#include <cmath>

using rt::guard;
using rt::step;

namespace {

constexpr int kF5 = 116;

// A page blocker's value: the setting as a truth value; one that does not convert refuses.
bool allowedBy(const forms::Key& key) {
    bool allowed = false;
    step([&] { allowed = rt::toBool(forms::read(key)); });
    return allowed;
}

}  // namespace

DocumentSinks::DocumentSinks(Form1& form, Form4& owner) : f(form), m(owner) {
    f.M_Dom.onkeydown = [this](const web::DocumentEvent& e) { return M_Dom_onkeydown(e); };
    f.M_Dom.onmouseover = [this](const web::DocumentEvent& e) { return M_Dom_onmouseover(e); };
    f.M_Dom.oncontextmenu = [this](const web::DocumentEvent& e) { return M_Dom_oncontextmenu(e); };
    f.M_Dom.ondragstart = [this](const web::DocumentEvent& e) { return M_Dom_ondragstart(e); };
    f.ORIBERISA.onkeydown = [this](const web::DocumentEvent& e) { return ORIBERISA_onkeydown(e); };
    f.ORIBERISA.onmousemove = [this](const web::DocumentEvent& e) { return ORIBERISA_onmousemove(e); };
    f.ORIBERISA.onselectionchange = [this](const web::DocumentEvent& e) { return ORIBERISA_onselectionchange(e); };
    f.ORIBERISA.oncontextmenu = [this](const web::DocumentEvent& e) { return ORIBERISA_oncontextmenu(e); };
    f.ORIBERISA.ondragstart = [this](const web::DocumentEvent& e) { return ORIBERISA_ondragstart(e); };
    f.ORIBERISA.onselectstart = [this](const web::DocumentEvent& e) { return ORIBERISA_onselectstart(e); };
    f.ORIBERISA.onmousewheel = [this](const web::DocumentEvent& e) { return ORIBERISA_onmousewheel(e); };
    f.ORIBERISA.onclick = [this](const web::DocumentEvent& e) { return ORIBERISA_onclick(e); };
    f.ORIBERISA.onmouseover = [this](const web::DocumentEvent& e) { return ORIBERISA_onmouseover(e); };
    forms::jobBody(f, forms::Job::HomeRefresh) = [this] { homeRefresh(); };
}

void DocumentSinks::homeRefresh() {
    step([&] { forms::stop(f, forms::Job::HomeRefresh); });
    step([&] { f.Command2(20).press(); });
    step([&] { f.Command8.press(); });
}

// --- the home page ----------------------------------------------------------------------------------

bool DocumentSinks::M_Dom_onkeydown(const web::DocumentEvent& event) {
    if (event.keyCode == kF5) {
        step([&] { forms::restart(f, forms::Job::HomeRefresh); });
    }
    return true;
}

bool DocumentSinks::M_Dom_onmouseover(const web::DocumentEvent&) {
    f.hintOpenMode = 1;
    return true;
}

bool DocumentSinks::M_Dom_oncontextmenu(const web::DocumentEvent& event) {
    step([&] { f.Command8.setTag(QStringLiteral("0")); });
    QString id;
    step([&] { id = event.srcElement.id(); });
    if (id.contains(QStringLiteral("Tavrolin"))) {
        step([&] { m.BJDH100(7).setEnabled(id.contains(QStringLiteral("TavrolinOK"))); });
        for (int i = 1; i <= 11; ++i) {
            step([&] {
                m.BJDH100(i).setCaption(forms::read(forms::Txt::Youjian, QStringLiteral("CND%1").arg(i, 2, 10, QLatin1Char('0'))));
            });
        }
        step([&] { ui::popupMenu(m.BJDH); });
        return false;
    }
    return allowedBy(forms::appkey::网页右键);
}

bool DocumentSinks::M_Dom_ondragstart(const web::DocumentEvent&) { return false; }

// --- the front tab ----------------------------------------------------------------------------------

bool DocumentSinks::ORIBERISA_onkeydown(const web::DocumentEvent& event) {
    if (event.keyCode != kF5) return true;
    if (forms::readNumber(forms::appkey::连接提示, 1) == 1) {
        step([&] { forms::start(f, forms::Job::HintRearm); });
    }
    if (guard([&] { return rt::toDouble(f.Command7.tag()) > 0; })) {
        for (int s = 2; s <= 10; ++s) {
            if (guard([&] { return s == std::floor(rt::toDouble(f.Command7.tag())); })) {
                FlashPopOut::returnPlayer();
                break;
            }
        }
    }
    return true;
}

bool DocumentSinks::ORIBERISA_onmousemove(const web::DocumentEvent&) {
    if (f.downloadPending != 1) return true;
    // Only the tab the download was armed for closes, while it is the one in front.
    const int armed = f.downloadPendingSlot;
    f.downloadPending = 0;
    f.downloadPendingSlot = 0;
    if (armed >= 2 && armed <= 10 && guard([&] { return forms::frontSlot(f) == armed; })) {
        step([&] { m.GIS100(1).click(); });
    }
    return true;
}

bool DocumentSinks::ORIBERISA_onselectionchange(const web::DocumentEvent&) {
    QString text;
    step([&] { text = f.ORIBERISA.document().selectionText(); });
    if (!text.isEmpty()) step([&] { f.Label13.setTag(text); });
    return true;
}

bool DocumentSinks::ORIBERISA_oncontextmenu(const web::DocumentEvent&) {
    step([&] { f.Command8.setTag(QStringLiteral("0")); });
    if (allowedBy(forms::appkey::网页右键)) return true;
    step([&] { f.Command4.press(); });
    return false;
}

bool DocumentSinks::ORIBERISA_ondragstart(const web::DocumentEvent&) { return allowedBy(forms::appkey::禁止拖拽); }

bool DocumentSinks::ORIBERISA_onselectstart(const web::DocumentEvent&) { return allowedBy(forms::appkey::禁止选中); }

bool DocumentSinks::ORIBERISA_onmousewheel(const web::DocumentEvent&) {
    const bool result = allowedBy(forms::appkey::禁止滚轮);
    if (f.Command7.visible()) {
        step([&] { f.Command7.setVisible(false); });
    } else if (guard([&] { return std::floor(rt::toDouble(f.Command7.tag())) == forms::frontSlot(f); })) {
        FlashPopOut::returnPlayer();
        step([&] { f.Text7.setFocus(); });
        step([&] { f.WebBrowser1(forms::frontSlot(f)).setFocus(); });
    }
    return result;
}

bool DocumentSinks::ORIBERISA_onclick(const web::DocumentEvent& event) {
    step([&] { f.Text7.setVisible(false); });
    step([&] { f.Command8.setTag(QStringLiteral("0")); });
    step([&] { f.Command7.zOrder(1); });
    if (guard([&] { return event.srcElement.id() == QLatin1String("fg7_label"); })) {
        step([&] { AboutOverlay::removeFrom(f.ORIBERISA.document()); });
    }
    return true;
}

bool DocumentSinks::ORIBERISA_onmouseover(const web::DocumentEvent& event) {
    f.hintOpenMode = 0;
    step([&] { f.hintOpenMode = rt::len(event.srcElement.target()) >= 2 ? 1 : 0; });
    detectFlash(event);
    return true;
}

void DocumentSinks::detectFlash(const web::DocumentEvent& event) { forms::part<FlashPopOut>().detect(event.srcElement); }
