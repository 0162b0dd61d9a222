#include "page/pagezoom.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

using rt::guard;
using rt::step;

namespace {

const char* const kFactors[] = {"300%", "200%", "150%", "100%", "90%", "80%", "70%"};

}  // namespace

PageZoom::PageZoom(Form1& form, Form4& owner) : f(form), m(owner) {
    m.WYSF100.onClick = [this](int Index) { WYSF100_Click(Index); };
}

void PageZoom::WYSF100_Click(int Index) {
    // The popped-out slot ("0" when none) against the front slot.
    if (guard([&] { return rt::toDouble(f.Command7.tag()) == forms::frontSlot(f); })) {
        ui::refuse(QStringLiteral("窗口独立运行中，不能缩放"));
        return;
    }
    for (int i = 1; i <= 7; ++i) {
        step([&] { m.WYSF100(i).setEnabled(true); });
        step([&] { m.WYSF100(i).setChecked(false); });
    }
    if (Index >= 1 && Index <= 7) {
        zoom(QString::fromUtf8(kFactors[Index - 1]));
        step([&] { m.WYSF100(Index).setEnabled(false); });
        step([&] { m.WYSF100(Index).setChecked(true); });
    } else if (Index == 8) {
        QString answer;
        step([&] {
            answer = ui::askInInputBox(QStringLiteral("数字越大网页越大"), QStringLiteral("网页缩放"), QString());
        });
        if (rt::len(answer) < 2) return;
        if (rt::len(answer) > 3) {
            ui::refuse(QStringLiteral("最小2位数，最多3位数"));
            return;
        }
        zoom(answer + QStringLiteral("%"));
    }
}

// The front slot's page (a tab's when the front slot is above 1, else the home page's).
void PageZoom::zoom(const QString& value) {
    step([&] {
        const int front = forms::frontSlot(f);
        web::WebBrowser& target = f.WebBrowser1(front > 1 ? front : 1);
        target.document().body().setStyleProperty(QStringLiteral("zoom"), value);
    });
}
