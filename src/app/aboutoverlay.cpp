#include "app/aboutoverlay.h"

#include "forms/settings.h"
#include "forms/pageelements.h"
#include "forms/form1.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"

const QString AboutOverlay::kCoverId = QStringLiteral("fg0_img");

namespace {

// The ten ids in the order the overlay is made and removed.
const char* const kIds[] = {"fg0_img",   "fg8_input", "fg7_label", "fg6_label", "fg1_label",
                            "fg2_label", "fg3_label", "fg4_label", "fg5_label", "fgs_style"};

const QString kMarker = QStringLiteral("fgs_style");

QString aboutLine(int n) {
    return forms::read(forms::Txt::Youjian, QStringLiteral("CNJ0") + QString::number(n));
}

void setText(web::Element& e, const QString& text) { e.setInnerText(text); }

}  // namespace

AboutOverlay::AboutOverlay(Form1& f) : f_(f) {}

bool AboutOverlay::shows(int slot) const {
    try {
        const web::Document doc = f_.WebBrowser1(slot).document();
        return rt::len(doc.getElementById(kMarker).id()) >= 2;
    } catch (const std::exception&) {
        return false;
    }
}

void AboutOverlay::removeFrom(const web::Document& doc) {
    for (const char* id : kIds) rt::step([&] { forms::removeFromBody(doc, QString::fromUtf8(id)); });
}

void AboutOverlay::showOrRemove() {
    // The front slot: a tab when its text compares greater than "1", else the home slot.
    int k = 1;
    rt::step([&] { k = f_.frontIsTab() ? forms::frontSlot(f_) : 1; });

    if (shows(k)) {
        rt::step([&] { removeFrom(f_.WebBrowser1(k).document()); });
        return;
    }
    for (int i = 1; i <= 10; ++i) {
        if (i == k) continue;
        if (shows(i)) {
            rt::step([&] { removeFrom(f_.WebBrowser1(i).document()); });
            break;
        }
    }
    create(k);
}

void AboutOverlay::create(int slot) {
    web::Document doc;
    if (!rt::step([&] { doc = f_.WebBrowser1(slot).document(); })) return;

    forms::appendToBody(doc, QStringLiteral("img"), kCoverId,
                 {[](web::Element& e) { e.setSrc(forms::programPicture(QStringLiteral("\\pifu\\zz.bmp"))); }},
                 QStringLiteral("z-index:99999;left:0%;top:0%;height:100%;width:100%;filter:alpha(opacity=80);"
                                "opacity:0.8;position:fixed"));
    forms::appendToBody(doc, QStringLiteral("input"), QStringLiteral("fg8_input"),
                 {[](web::Element& e) { e.setAttribute(QStringLiteral("type"), QStringLiteral("button")); }},
                 QStringLiteral("z-index:99999;background:#000000;border:1px ") + forms::read(forms::fgkey::目标颜色) +
                     QStringLiteral(" solid;left:90px;top:90px;width:480px;height:190px;filter:alpha(opacity=60);"
                                    "opacity:0.6;position:fixed"));
    forms::appendToBody(doc, QStringLiteral("label"), QStringLiteral("fg7_label"),
                 {[](web::Element& e) { setText(e, forms::read(forms::fgkey::关闭)); }},
                 QStringLiteral("left:500px;top:236px;font-size:33px"));
    forms::appendToBody(doc, QStringLiteral("label"), QStringLiteral("fg6_label"),
                 {[this](web::Element& e) { setText(e, f_.caption() + QStringLiteral("  [ QtWebKit ]")); }},
                 QStringLiteral("top:100px"));
    for (int n = 1; n <= 5; ++n) {
        forms::appendToBody(doc, QStringLiteral("label"), QStringLiteral("fg%1_label").arg(n),
                     {[n](web::Element& e) { setText(e, aboutLine(n)); }},
                     QStringLiteral("top:%1px").arg(100 + 30 * n));
    }
    forms::appendToBody(doc, QStringLiteral("style"), kMarker,
                 {[](web::Element& e) { e.setAttribute(QStringLiteral("type"), QStringLiteral("text/css")); },
                  [](web::Element& e) {
                      setText(e, QStringLiteral("label{z-index:99999;left:100px;font-family:") +
                                     forms::read(forms::fgkey::字体) + QStringLiteral(";font-size:19px;color:") +
                                     forms::read(forms::fgkey::目标颜色) + QStringLiteral(";position:fixed}"));
                  }},
                 QString());
}
