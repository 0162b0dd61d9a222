#include "analysis/pageviews.h"

#include "analysis/views.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "analysis/elementlist.h"
#include "analysis/form11.h"
#include "forms/parts.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/random.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

#include <QDir>

#include <algorithm>

using rt::guard;
using rt::step;

namespace {

constexpr int kBodyLimit = 600000;
constexpr int kShortest = 16;

}  // namespace


PageViews::PageViews(Form1& form, Form4& owner) : f(form) {
    owner.html100.onClick = [this](int Index) { html100_Click(Index); };
    f.Command9.onClick = [this] { Command9_Click(); };
}

void PageViews::html100_Click(int Index) {
    switch (Index) {
    case 1: forms::part<ElementList>().start(); break;
    case 2: headView(); break;
    case 3: bodyView(); break;
    default: break;
    }
}

void PageViews::Command9_Click() {
    Form11* w = nullptr;
    step([&] { w = &forms::window<Form11>(); });
    if (!w) return;
    if (w->visible()) {
        step([&] { w->setWindowState(ui::vbNormal); });
    } else {
        step([&] {
            const QRect screen = ui::services().screenTwips();
            w->move(screen.width() / 3.0, screen.height() / 3.0, w->width(), w->height());
        });
        step([&] { w->show(); });
    }
    // The window that shows something new comes to the front with the focus, also from behind the
    // main window and when the view was finished by a timer.
    step([&] { w->activate(); });
    step([&] { w->WebBrowser1.setFocus(); });
}

void PageViews::headView() {
    auto head = [&] {
        return f.WebBrowser1(forms::frontSlot(f)).document().getElementsByTagName(QStringLiteral("head")).value(0);
    };
    QString source;
    step([&] { source = head().outerHTML(); });
    if (rt::len(source) < kShortest) {
        ui::refuse(QStringLiteral("网页中没有<HEAD>标记"));
        return;
    }
    const QString text = analysis::colourText(analysis::lineBreakEscape(source), {true, true, true});
    const analysis::ViewName view = analysis::nameNewView(QStringLiteral("HEAD - "));
    step([&] { analysis::writeView(view.name, {analysis::fontDiv(18), text, QStringLiteral("</div>")}); });
    analysis::showView(view.name);
}

void PageViews::bodyView() {
    auto body = [&] {
        return f.WebBrowser1(forms::frontSlot(f)).document().getElementsByTagName(QStringLiteral("body")).value(0);
    };
    int length = 0;
    step([&] { length = rt::len(body().outerHTML()); });
    if (length < kShortest) {
        ui::refuse(QStringLiteral("网页中没有<BODY>标记"));
        return;
    }
    if (length > kBodyLimit) {
        ui::refuse(QStringLiteral("<BODY>源码字节超过60万，不能打开"));
        return;
    }
    const analysis::ViewName view = analysis::nameNewView(QStringLiteral("BODY - "));
    QString text;
    step([&] { text = analysis::lineBreakEscape(body().outerHTML()); });
    step([&] { analysis::writeView(view.name, {analysis::fontDiv(15), text, QStringLiteral("</div>")}); });
    analysis::showView(view.name);
}
