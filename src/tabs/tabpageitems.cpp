#include "tabs/tabpageitems.h"

#include "forms/form1.h"
#include "forms/form14.h"
#include "forms/form4.h"
#include "forms/jobs.h"
#include "forms/programstarts.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/sys/launcher.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

using rt::guard;
using rt::step;

const QString TabPageItems::kShortUrlTitle = QStringLiteral("短网址");
const QString TabPageItems::kShortUrlNoReply = QStringLiteral("短网址服务还没有回复，请稍后再试");

TabPageItems::TabPageItems(Form1& form, Form4& menus) : f(form), f4(menus) {
    forms::jobBody(f, forms::Job::ShortUrlAnswer) = [this] { shortUrlAnswer(); };
}

// --- 刷新 ----------------------------------------------------------------------------------------

void TabPageItems::refresh() {
    if (guard([&] { return f4.BQYJ100(1).tag() == f.Command7.tag(); })) {
        step([&] { f.FlashMsg(); });
        return;
    }
    if (forms::readNumber(forms::appkey::连接提示, 1) == 1)
        step([&] { forms::start(f, forms::Job::HintRearm); });
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
        step([&] { setShortUrlRequest({t, address, request, service.linkPrefix}); });
    }
    step([&] { forms::start(f, forms::Job::ShortUrlAnswer); });
}

void TabPageItems::setShortUrlRequest(const ShortUrlRequest& request) {
    shortUrlRequest_ = request;
    haveShortUrlRequest_ = true;
}

void TabPageItems::shortUrlAnswer() {
    if (!haveShortUrlRequest_) {
        // Nothing was asked for: there is nothing to answer.
        step([&] { forms::stop(f, forms::Job::ShortUrlAnswer); });
        return;
    }
    const ShortUrlRequest request = shortUrlRequest_;
    haveShortUrlRequest_ = false;

    // The reply counts only when the fetch browser holds the document of this very request.
    QString reply;
    const bool replied = step([&] {
        const web::Document doc = forms::form14().WebBrowser1.document();
        if (doc.url() != web::addressText(web::addressFromText(request.requestUrl))) rt::raise(rt::ObjectVariableNotSet);
        reply = doc.documentElement().outerHTML();
    });
    if (!replied) {
        step([&] { ui::services().msgBox(kShortUrlNoReply, ui::vbExclamation, kShortUrlTitle); });
        step([&] { forms::stop(f, forms::Job::ShortUrlAnswer); });
        return;
    }

    QString answer;
    step([&] {
        const int p = rt::instr(reply, request.prefix, rt::TextCompare);
        if (request.prefix.isEmpty() || p == 0) rt::raise(rt::InvalidProcedureCall);
        const QString s = rt::mid(reply, p, 66);
        const int lt = rt::instr(s, QStringLiteral("<"));
        if (lt == 0) rt::raise(rt::InvalidProcedureCall);
        const QString shortAddress = rt::left(s, lt - 1);
        answer = ui::askInInputBox(request.address, kShortUrlTitle, shortAddress);
    });
    if (!answer.isEmpty()) step([&] { ui::services().setClipboardText(answer); });
    step([&] { forms::stop(f, forms::Job::ShortUrlAnswer); });
}

// --- ie打开 --------------------------------------------------------------------------------------

void TabPageItems::openElsewhere() {
    QString address;
    if (!step([&] { address = f.WebBrowser1(rt::toInt32(f4.BQYJ100(1).tag())).document().url(); })) return;
    step([&] { forms::started(sys::launcher().openInOtherBrowser(address)); });
}
