#include "page/navigationguard.h"

#include "forms/form1.h"
#include "forms/jobs.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "platform/web/document.h"

using rt::guard;
using rt::step;

NavigationGuard::NavigationGuard(Form1& form) : f(form) {
    f.WebBrowser1.onBeforeNavigate2 = [this](int Index, const QString& URL, int, const QString&, const QByteArray&,
                                             const QString&, bool& Cancel) {
        WebBrowser1_BeforeNavigate2(Index, URL, Cancel);
    };
    f.WebBrowser22.onBeforeNavigate2 = [this](const QString&, int, const QString&, const QByteArray&, const QString&,
                                              bool& Cancel) { WebBrowser22_BeforeNavigate2(Cancel); };
    forms::jobBody(f, forms::Job::IframeHiding) = [this] { iframeHiding(); };
}

void NavigationGuard::WebBrowser1_BeforeNavigate2(int Index, const QString& URL, bool& Cancel) {
    // 1. The popped-out slot keeps its page; the refusal still counts for frame blocking.
    if (guard([&] { return rt::toDouble(f.Command7.tag()) == Index; })) {
        step([&] { Cancel = true; });
        step([&] { f.FlashMsg(); });
    }

    // 2. Frame blocking.
    if (forms::readNumber(forms::appkey::框架不加载, 0) == 0) {
        if (guard([&] { return rt::toDouble(f.Command8.tag()) == 2; })) {
            step([&] { Cancel = true; });
            step([&] { forms::restart(f, forms::Job::IframeHiding); });
            return;
        }
        if (rt::len(URL) < kLongAddress) {
            step([&] { f.Command8.setTag(QStringLiteral("2")); });
        } else {
            step([&] { f.Command8.setTag(rt::str(rt::toDouble(f.Command8.tag()) + 1)); });
        }
    }

    // 3. Hint re-arm.
    if (forms::readNumber(forms::appkey::连接提示, 1) == 1) {
        step([&] { forms::restart(f, forms::Job::HintRearm); });
        step([&] { forms::jobTimer(f, forms::Job::HintHide).setTag(QStringLiteral("0")); });
        step([&] { forms::restart(f, forms::Job::HintHide); });
    }
}

void NavigationGuard::WebBrowser22_BeforeNavigate2(bool& Cancel) { Cancel = true; }

void NavigationGuard::iframeHiding() {
    web::Document doc;
    int n = -1;
    step([&] {
        doc = f.WebBrowser1(forms::frontSlot(f)).document();
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
    step([&] { forms::stop(f, forms::Job::IframeHiding); });
}
