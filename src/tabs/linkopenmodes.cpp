#include "tabs/linkopenmodes.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/newtab.h"
#include "forms/slots.h"
#include "forms/useragent.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "tabs/tabslots.h"

using rt::step;

LinkOpenModes::LinkOpenModes(Form1& form, Form4& f4, TabSlots& tabOpening) : f(form), opening(tabOpening) {
    f4.DK100.onClick = [this](int Index) { DK100_Click(Index); };
}

QString LinkOpenModes::cleanLink(const QString& link) {
    const QString dots = QStringLiteral("...");
    if (rt::instr(link, dots) == 0) return link;
    QString cleaned = rt::replace(link, dots, QString());
    const int at = rt::instr(cleaned, QStringLiteral("http"));
    if (at > 0) cleaned = rt::mid(cleaned, at);
    return rt::left(cleaned, 666);
}

void LinkOpenModes::DK100_Click(int Index) {
    QString link;
    step([&] { link = cleanLink(f.Label1.caption()); });
    switch (Index) {
    case 1:
        if (!opening.confirmOpen()) return;
        step([&] { forms::openInNewTab(f, link); });
        break;
    case 2:
        step([&] { forms::navigate(f.WebBrowser1(forms::frontSlot(f)), link); });
        break;
    case 3:
        step([&] { opening.openInBackground(link); });
        break;
    default:
        break;  // 4: the form-fill submenu
    }
}
