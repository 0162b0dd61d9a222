#include "page/postprocessing.h"

#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "page/hintbar.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "platform/web/document.h"

#include <QList>

using rt::guard;
using rt::step;

const QStringList PostProcessing::kExtensions =
    QStringLiteral(".txt>.swf>.ico>.jpg>.gif>.bmp>.png>.htm>.asp>.php").split(QLatin1Char('>'));

PostProcessing::PostProcessing(Form1& form, HintBar& hintBar) : f(form), hintBar_(hintBar) {
    f.WebBrowser1.onDownloadComplete = [this](int Index) { WebBrowser1_DownloadComplete(Index); };
    f.WebBrowser1.onDocumentComplete = [this](int Index, const QString& URL) {
        WebBrowser1_DocumentComplete(Index, URL);
    };
}

QString PostProcessing::scriptMarker(int n) {
    return QStringLiteral("<font color=#FF0000 face=微软雅黑 size=3>脚本") + rt::str(n) + QStringLiteral("></font>");
}

QString PostProcessing::frameMarker(int n) {
    return QStringLiteral("<font color=#FF00FF face=微软雅黑 size=3>框架") + rt::str(n) + QStringLiteral("></font>");
}

void PostProcessing::strip(const web::Document& doc, const QString& tag, int count, QString (*marker)(int)) {
    // The list is taken once: each replacement takes an element out of the live document.
    QList<web::Element> elements;
    step([&] { elements = doc.getElementsByTagName(tag); });
    for (int n = 1; n <= count; ++n) {
        step([&] {
            if (n > elements.size()) rt::raise(rt::SubscriptOutOfRange);
            elements[n - 1].setOuterHTML(marker(n));
        });
    }
}

void PostProcessing::WebBrowser1_DownloadComplete(int Index) {
    // 1. The document connections.
    if (Index == 1) {
        step([&] { f.setM_Dom(f.WebBrowser1(1).document()); });
    } else {
        step([&] {
            const int front = forms::frontSlot(f);
            if (front < 2 || front > 10) return;  // the home page keeps M_Dom alone
            f.setORIBERISA(f.WebBrowser1(front).document());
        });
    }

    web::Document doc;
    step([&] { doc = f.WebBrowser1(Index).document(); });

    // 2. Script stripping.
    if (forms::readNumber(forms::appkey::脚本被删除, 0) == 0) {
        int k = 0;
        step([&] { k = doc.scriptCount(); });
        strip(doc, QStringLiteral("script"), k, scriptMarker);
    }

    // 3. The engine's error page.
    if (guard([&] { return doc.isErrorPage(); })) {
        step([&] { doc.body().setInnerHTML(forms::read(forms::yuyankey::网页挂了)); });
    }
}

void PostProcessing::WebBrowser1_DocumentComplete(int Index, const QString& URL) {
    step([&] { f.WebBrowser1(Index).setSilent(true); });
    if (Index == 1) step([&] { f.Command2(20).press(); });

    // A frame of a page still loading; a browser that cannot say counts as idle.
    bool busy = false;
    step([&] { busy = f.WebBrowser1(Index).busy(); });
    if (busy) return;

    web::Document doc;
    step([&] { doc = f.WebBrowser1(Index).document(); });
    step([&] { doc.body().setStyleProperty(QStringLiteral("border"), QStringLiteral("none")); });
    if (guard([&] { return doc.url() == QLatin1String("about:blank"); })) return;

    // Frame stripping.
    if (forms::readNumber(forms::appkey::框架被删除, 0) == 0) {
        int m = 0;
        step([&] { m = doc.frameCount(); });
        strip(doc, QStringLiteral("iframe"), m, frameMarker);
    }

    // The page itself has completed: the visit record, then the link hint bar.
    if (guard([&] { return URL == doc.url(); })) {
        step([&] { f.Command12.setTag(rt::str(Index)); });
        step([&] { f.Command12.press(); });
        if (forms::readNumber(forms::appkey::连接提示, 1) == 1) {
            step([&] { hintBar_.injectInto(Index); });
        }
    }

    untitledPage(Index, doc);
}

void PostProcessing::untitledPage(int Index, const web::Document& doc) {
    if (!guard([&] { return rt::len(doc.title()) < 2; })) return;
    step([&] { f.Command8.setTag(QStringLiteral("0")); });
    QString address;
    step([&] { address = doc.url(); });
    for (const QString& extension : kExtensions) {
        if (rt::instr(address, extension, rt::TextCompare) == 0) continue;
        if (Index >= 2) {
            step([&] { f.lv(Index).setCaption(extension); });
        } else {
            step([&] { f.Label2(0).setCaption(QStringLiteral("< ") + extension); });
        }
        return;
    }
}
