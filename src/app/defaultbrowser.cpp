#include "app/defaultbrowser.h"

#include "app/aboutoverlay.h"
#include "forms/settings.h"
#include "app/enginesettings.h"
#include "forms/pageelements.h"
#include "forms/form1.h"
#include "forms/jobs.h"
#include "platform/rt/error.h"
#include "platform/sys/registry.h"

#include <QVariant>

namespace {

const char* const kBannerIds[] = {"input_llq", "img1_llq", "img0_llq", "label_llq"};

const QString kUserChoice =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\%1"
                   "\\UserChoice\\Progid");

// Elements that carry a link target.
bool hasTarget(const web::Element& e) {
    const QString tag = e.tagName();
    return tag == QLatin1String("A") || tag == QLatin1String("AREA") || tag == QLatin1String("FORM");
}

// The link the click went to: the clicked element or the nearest link around it (a tile's picture
// lies inside its link), else the focused element.
web::Element clickedLink(const web::DocumentEvent& event, const web::Document& doc) {
    for (web::Element e = event.srcElement; !e.isNull(); e = e.parentElement()) {
        const QString tag = e.tagName();
        if (tag == QLatin1String("A") || tag == QLatin1String("AREA")) return e;
    }
    return doc.activeElement();
}

}  // namespace

DefaultBrowser::DefaultBrowser(Form1& f) : f_(f) {
    f_.M_Dom.onclick = [this](const web::DocumentEvent& event) { return M_Dom_onclick(event); };
    forms::jobBody(f_, forms::Job::DefaultBrowserCheck) = [this] { defaultBrowserCheck(); };
}

void DefaultBrowser::defaultBrowserCheck() {
    rt::step([&] { check(); });
    rt::step([&] { forms::stop(f_, forms::Job::DefaultBrowserCheck); });
}

bool DefaultBrowser::isDefaultBrowser() {
    try {
        const QString command =
            sys::Registry::RegRead(QStringLiteral("HKEY_CLASSES_ROOT\\HTTP\\shell\\open\\command\\")).toString();
        const QString progId = sys::Registry::RegRead(kUserChoice.arg(QStringLiteral("http"))).toString();
        return command.contains(app::openCommand()) && progId.contains(sys::ProgramClassName);
    } catch (const std::exception&) {
        return false;
    }
}

void DefaultBrowser::check() {
    if (isDefaultBrowser()) return;

    web::Document doc;
    if (!rt::step([&] { doc = f_.WebBrowser1(1).document(); })) return;
    forms::appendToBody(doc, QStringLiteral("input"), QStringLiteral("input_llq"),
                 {[](web::Element& e) { e.setAttribute(QStringLiteral("type"), QStringLiteral("button")); }},
                 QStringLiteral("z-index:99999;background:#C0C0C0;border:0px;filter:alpha(opacity=40);opacity:0.4;"
                                "left:0%;top:0%;width:100%;height:60px;position:fixed"));
    forms::appendToBody(doc, QStringLiteral("img"), QStringLiteral("img1_llq"),
                 {[](web::Element& e) { e.setSrc(forms::programPicture(QStringLiteral("\\pifu\\ok1.png"))); }},
                 QStringLiteral("z-index:99999;left:10px;top:13px;position:fixed"));
    forms::appendToBody(doc, QStringLiteral("img"), QStringLiteral("img0_llq"),
                 {[](web::Element& e) { e.setSrc(forms::programPicture(QStringLiteral("\\pifu\\ok0.png"))); }},
                 QStringLiteral("z-index:99999;left:65px;top:13px;position:fixed"));
    forms::appendToBody(doc, QStringLiteral("label"), QStringLiteral("label_llq"),
                 {[](web::Element& e) {
                     e.setInnerText(QStringLiteral("当前：不是默认浏览器(作用：打开没有指定的网址)"));
                 }},
                 QStringLiteral("z-index:99999;font-size:16px;font-family:") + forms::read(forms::fgkey::字体) +
                     QStringLiteral(";left:130px;top:20px;position:fixed"));
}

void DefaultBrowser::associate() {
    const QString command = app::openCommand();
    const QString paths[] = {
        QStringLiteral("HKEY_CLASSES_ROOT\\http\\shell\\open\\command\\"),
        QStringLiteral("HKEY_CLASSES_ROOT\\https\\shell\\open\\command\\"),
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes\\http\\shell\\open\\command\\"),
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes\\https\\shell\\open\\command\\"),
    };
    for (const QString& path : paths) rt::step([&] { sys::Registry::RegWrite(path, command); });
    for (const char* scheme : {"http", "https"}) {
        rt::step([&] { sys::Registry::RegWrite(kUserChoice.arg(QString::fromLatin1(scheme)), sys::ProgramClassName); });
    }
}

void DefaultBrowser::removeBanner(const web::Document& doc) {
    for (const char* id : kBannerIds) rt::step([&] { forms::removeFromBody(doc, QString::fromUtf8(id)); });
}

bool DefaultBrowser::M_Dom_onclick(const web::DocumentEvent& event) {
    const web::Document doc = f_.M_Dom.document();
    rt::step([&] { f_.Text7.setVisible(false); });
    rt::step([&] { f_.Command8.setTag(QStringLiteral("0")); });
    // Every link of the home page opens in a new window, which becomes a tab.
    rt::step([&] {
        web::Element link = clickedLink(event, doc);
        if (hasTarget(link) && !link.target().contains(QLatin1String("_blank"), Qt::CaseInsensitive)) {
            link.setTarget(QStringLiteral("_blank"));
        }
    });

    if (rt::guard([&] { return event.srcElement.id() == QLatin1String("fg7_label"); })) {
        AboutOverlay::removeFrom(doc);
    } else if (rt::guard([&] { return event.srcElement.id() == QLatin1String("img0_llq"); })) {
        removeBanner(doc);
    } else if (rt::guard([&] { return event.srcElement.id() == QLatin1String("img1_llq"); })) {
        removeBanner(doc);
        associate();
    }
    return true;
}
