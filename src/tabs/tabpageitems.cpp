#include "tabs/tabpageitems.h"

#include "forms/form1.h"
#include "forms/form14.h"
#include "forms/form4.h"
#include "forms/parts.h"
#include "forms/programstarts.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "mainwindow/delayedjobs.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/sys/launcher.h"
#include "platform/web/webbrowser.h"

using rt::guard;
using rt::step;

TabPageItems::TabPageItems(Form1& form, Form4& menus) : f(form), f4(menus) {}

// --- 刷新 ----------------------------------------------------------------------------------------

void TabPageItems::refresh() {
    if (guard([&] { return f4.BQYJ100(1).tag() == f.Command7.tag(); })) {
        step([&] { f.FlashMsg(); });
        return;
    }
    if (guard([&] { return rt::toDouble(forms::read(forms::appkey::连接提示)) == 1; }))
        step([&] { f.Timer4(0).setEnabled(true); });
    step([&] { f.WebBrowser1(rt::toInt32(f4.BQYJ100(1).tag())).ExecWB(web::kExecRefresh, 0); });
}

// --- 短网址 --------------------------------------------------------------------------------------

void TabPageItems::shortUrl() {
    int t = 0;
    QString address;
    const bool haveAddress = step([&] {
        t = rt::toInt32(f4.BQYJ100(1).tag());
        address = f.WebBrowser1(t).document().url();
    });
    if (haveAddress) {
        const tabs::ShortUrlService service = shortUrlService;
        const QString request = tabs::shortUrlRequest(service, address);
        step([&] { forms::form14().WebBrowser1.Navigate(request); });
        step([&] { forms::part<DelayedJobs>().setShortUrlRequest({t, address, request, service.linkPrefix}); });
    }
    step([&] { f.Timer4(4).setEnabled(true); });
}

// --- ie打开 --------------------------------------------------------------------------------------

void TabPageItems::openElsewhere() {
    QString address;
    if (!step([&] { address = f.WebBrowser1(rt::toInt32(f4.BQYJ100(1).tag())).document().url(); })) return;
    step([&] { forms::started(sys::launcher().openInOtherBrowser(address)); });
}
