#include "page/dailytools.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/programstarts.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/sys/launcher.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

using rt::guard;
using rt::step;

namespace {

const char* const kHiddenTags[] = {"a", "img", "iframe", "object"};  // items 7 to 10

}  // namespace

DailyTools::DailyTools(Form1& form, Form4& owner) : f(form), m(owner) {
    m.RCGJ100.onClick = [this](int Index) { RCGJ100_Click(Index); };
}

web::WebBrowser& DailyTools::target() {
    if (f.frontIsTab()) return f.WebBrowser1(forms::frontSlot(f));
    return f.WebBrowser1(1);
}

void DailyTools::RCGJ100_Click(int Index) {
    switch (Index) {
    case 1:
        step([&] { forms::started(sys::launcher().startCalculator()); });
        break;
    case 2:
        step([&] { target().setFocus(); });
        step([&] { target().ExecWB(web::kExecFind, 0); });
        break;
    case 3:
        step([&] { target().ExecWB(web::kExecSaveAs, 0); });
        break;
    case 4:
    case 5:
        step([&] {
            const QRect screen = ui::services().screenTwips();
            const double half = screen.width() / 2.0;
            f.move(Index == 4 ? 0 : half, 0, half, screen.height() - 600);
        });
        break;
    case 7:
    case 8:
    case 9:
    case 10:
        toggleHidden(Index);
        break;
    default:
        break;
    }
}

void DailyTools::toggleHidden(int Index) {
    // Never on the home page.
    if (!guard([&] { return f.frontIsTab(); })) return;
    for (int i = 7; i <= 10; ++i) step([&] { m.RCGJ100(i).setTag(QString::fromUtf8(kHiddenTags[i - 7])); });
    QList<web::Element> elements;
    bool listed = false;
    step([&] {
        elements = target().document().getElementsByTagName(m.RCGJ100(Index).tag());
        listed = true;
    });
    if (!listed) return;
    for (const web::Element& e : elements) {
        step([&] {
            const QString visibility = e.styleProperty(QStringLiteral("visibility"));
            e.setStyleProperty(QStringLiteral("visibility"), visibility.isEmpty() ? QStringLiteral("hidden") : QString());
        });
    }
}
