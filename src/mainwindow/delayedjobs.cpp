#include "mainwindow/delayedjobs.h"

#include "forms/form14.h"
#include "forms/frameblockinggrace.h"
#include "forms/windowowner.h"
#include "forms/parts.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "app/defaultbrowser.h"
#include "forms/form1.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "platform/sys/windows.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/flashstandin.h"
#include "platform/web/webbrowser.h"

#include <cmath>

using rt::guard;
using rt::step;

const QString DelayedJobs::kShortUrlTitle = QStringLiteral("短网址");
const QString DelayedJobs::kShortUrlNoReply = QStringLiteral("短网址服务还没有回复，请稍后再试");

namespace {

const QString kFlashPlayerClass = QString::fromLatin1(web::kFlashPlayerClass);

// The document of the front slot's browser.
web::Document frontDocument(Form1& f) {
    return f.WebBrowser1(rt::toInt32(f.Label9.caption())).document();
}

}  // namespace

DelayedJobs::DelayedJobs(Form1& form) : f(form) {
    for (int i = 0; i <= 10; ++i) f.Timer4(i).onTimer = [this, i] { Timer4_Timer(i); };
}

void DelayedJobs::start(Form1& f, int index) { f.Timer4(index).setEnabled(true); }

void DelayedJobs::restart(Form1& f, int index) {
    f.Timer4(index).setEnabled(false);
    f.Timer4(index).setEnabled(true);
}

void DelayedJobs::stop(Form1& f, int index) { f.Timer4(index).setEnabled(false); }

void DelayedJobs::setShortUrlRequest(const ShortUrlRequest& request) {
    shortUrlRequest_ = request;
    haveShortUrlRequest_ = true;
}

void DelayedJobs::Timer4_Timer(int Index) {
    switch (Index) {
    case 0: hintRearm(); break;
    case 1: graceEnd(); break;
    case 2: backgroundTitle(); break;
    case 3: flashReparent(); break;
    case 4: shortUrlAnswer(); break;
    case 6: hintHide(); break;
    case 7: elementListStep(); break;
    case 8: iframeHiding(); break;
    case 9: homeRefresh(); break;
    case 10: defaultBrowser(); break;
    default: break;  // index 5 has no job
    }
}

void DelayedJobs::hintRearm() {
    step([&] { stop(f, 0); });
    step([&] { f.Command8.press(); });
}

void DelayedJobs::graceEnd() {
    step([&] { forms::part<FrameBlockingGrace>().end(); });
    step([&] { stop(f, 1); });
}

void DelayedJobs::backgroundTitle() {
    int k = 0;
    // A tab closed before its title came (no browser, or its label hidden for the teardown) has no
    // label left to fill: the job ends instead of ticking on.
    const bool haveSlot = step([&] {
        k = rt::toInt32(f.Timer4(2).tag());
        if (!f.WebBrowser1.exists(k) || !f.lv(k).visible()) rt::raise(rt::ControlArrayElementMissing);
    });
    if (!haveSlot) {
        step([&] { stop(f, 2); });
        return;
    }
    step([&] {
        const QString title = f.WebBrowser1(k).document().title();
        f.lv(k).setCaption(forms::backgroundCaption(title, forms::read(forms::appkey::字数)));
    });
    step([&] {
        if (rt::len(f.lv(k).caption()) > 2) stop(f, 2);
    });
}

void DelayedJobs::flashReparent() {
    int h = 0;
    step([&] {
        const int page = f.zvllq9();
        h = flashPlayer ? flashPlayer(page) : sys::findChildWindow(page, kFlashPlayerClass);
    });
    if (guard([&] { return h != 0; })) {
        step([&] {
            const int container = flashContainer ? flashContainer() : 0;
            // Without an open pop-out window there is nowhere to move the player to.
            if (container == 0) return;
            f.SETYIDONG(h, container);
        });
    }
    step([&] { stop(f, 3); });
}

void DelayedJobs::shortUrlAnswer() {
    if (!haveShortUrlRequest_) {
        // Nothing was asked for: there is nothing to answer.
        step([&] { stop(f, 4); });
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
        step([&] { stop(f, 4); });
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
    step([&] { stop(f, 4); });
}

void DelayedJobs::hintHide() {
    // The program's own bar of the front page, never an element the page named like it.
    if (guard([&] { return rt::instr(f.hintBars.of(frontDocument(f)).label.innerText(), QStringLiteral("..")) > 0; })) {
        step([&] {
            f.hintBars.of(frontDocument(f)).label.setStyleProperty(QStringLiteral("visibility"), QStringLiteral("hidden"));
        });
        step([&] {
            f.hintBars.of(frontDocument(f)).strip.setStyleProperty(QStringLiteral("visibility"), QStringLiteral("hidden"));
        });
    }
    step([&] { f.Timer4(6).setTag(QStringLiteral("1")); });
    step([&] { stop(f, 6); });
}

void DelayedJobs::elementListStep() {
    step([&] { stop(f, 7); });
    const auto listedDocument = [&] { return f.WebBrowser1(rt::toInt32(f.Command11.toolTipText())).document(); };
    step([&] {
        const int n = listedDocument().body().allCount();
        if (n == 0) rt::raise(11);  // division by zero
        f.Command11.setTag(rt::str(rt::toDouble(f.Command11.tag()) + 100.0 / n));
    });
    step([&] {
        const double done = std::trunc(rt::toDouble(f.Command11.tag()));
        listedDocument().getElementById(QStringLiteral("ym99_label"))
            .setInnerText(QStringLiteral("源码正在生成 ") + rt::str(done) + QStringLiteral("%"));
    });
    step([&] { f.Timer4(7).setTag(rt::str(rt::toDouble(f.Timer4(7).tag()) + 1)); });
    step([&] {
        if (f.Command11.onClick) f.Command11.onClick();
    });
}

void DelayedJobs::iframeHiding() {
    web::Document doc;
    int n = -1;
    step([&] {
        doc = frontDocument(f);
        n = doc.frameCount();
    });
    QList<web::Element> frames;
    step([&] { frames = doc.getElementsByTagName(QStringLiteral("iframe")); });
    for (int i = 0; i < n; ++i) {
        step([&] {
            if (i >= frames.size()) rt::raise(rt::SubscriptOutOfRange);
            frames[i].setStyleProperty(QStringLiteral("visibility"), QStringLiteral("hidden"));
        });
    }
    step([&] { stop(f, 8); });
}

void DelayedJobs::homeRefresh() {
    step([&] { stop(f, 9); });
    step([&] { f.Command2(20).press(); });
    step([&] { f.Command8.press(); });
}

void DelayedJobs::defaultBrowser() {
    step([&] {
        forms::part<DefaultBrowser>().check();
    });
    step([&] { stop(f, 10); });
}
