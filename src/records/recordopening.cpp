#include "records/recordopening.h"

#include "forms/form1.h"
#include "forms/slots.h"
#include "forms/useragent.h"
#include "platform/rt/error.h"

using rt::step;

namespace records {

int openInNewTab(Form1& f, const QString& address) {
    step([&] { f.Command24.press(); });
    int k = 0;
    step([&] { k = forms::firstFreeSlot(f); });
    if (k == 0) return 0;
    step([&] { forms::navigate(f.WebBrowser1(k), address); });
    return k;
}

}  // namespace records
