#include "forms/newtab.h"

#include "forms/form1.h"
#include "forms/slots.h"
#include "forms/useragent.h"
#include "platform/rt/error.h"

using rt::step;

namespace forms {

int openInNewTab(Form1& f, const QString& address) {
    step([&] { f.Command24.press(); });
    // The tab labels lv(2) to lv(10) are items of the design, never unloaded: the free-slot test of
    // each reads.
    int k = 0;
    step([&] { k = firstFreeSlot(f); });
    if (k == 0) return 0;
    step([&] { navigate(f.WebBrowser1(k), address); });
    return k;
}

}  // namespace forms
