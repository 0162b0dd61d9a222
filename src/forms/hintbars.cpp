#include "forms/hintbars.h"

#include "forms/pageelements.h"
#include "platform/rt/error.h"

#include <algorithm>

namespace forms {

const QString HintBars::kLabelId = QStringLiteral("Tavrolinid");
const QString HintBars::kStripId = QStringLiteral("input_x");
const QString HintBars::kFirstText = QStringLiteral("加载完成..");

namespace {

const QString kStripCss = QStringLiteral(
    "z-index:99999;background:#000000;border:0px;filter:alpha(opacity=60);opacity:0.6;width:700px;height:33px;"
    "left:0%;top:96%;position:fixed");

}  // namespace

void HintBars::forgetGone() {
    // A handle would keep the document of a page that is gone alive.
    bars_.erase(std::remove_if(bars_.begin(), bars_.end(), [](const Bar& b) { return !b.label.isValid(); }),
                bars_.end());
}

bool HintBars::has(const web::Document& doc) {
    doc.check();
    forgetGone();
    return std::any_of(bars_.begin(), bars_.end(), [&](const Bar& b) { return b.label.document() == doc; });
}

const HintBars::Bar& HintBars::of(const web::Document& doc) {
    forgetGone();
    for (const Bar& bar : bars_) {
        if (bar.label.document() == doc) return bar;
    }
    rt::raise(rt::ObjectRequired, QStringLiteral("hint bar"));
}

void HintBars::make(const web::Document& doc, const QString& font) {
    Bar bar;
    bar.strip = appendToBody(
        doc, QStringLiteral("input"), kStripId,
        {[](web::Element& e) { e.setAttribute(QStringLiteral("type"), QStringLiteral("button")); }}, kStripCss);
    bar.label = appendToBody(doc, QStringLiteral("label"), kLabelId,
                             {[](web::Element& e) { e.setInnerText(kFirstText); }},
                             QStringLiteral("z-index:99999;color:#FFFFFF;font-size:16px;font-family:") + font +
                                 QStringLiteral(";left:3px;top:96%;position:fixed"));
    forgetGone();
    if (bar.label.isValid()) bars_.push_back(bar);
}

void HintBars::notice(const web::Document& doc, const QString& text, const QString& font) {
    if (!has(doc)) make(doc, font);
    const Bar& bar = of(doc);
    rt::step([&] { bar.label.setInnerText(text); });
    rt::step([&] { bar.label.setStyleProperty(QStringLiteral("visibility"), QString()); });
    rt::step([&] { bar.strip.setStyleProperty(QStringLiteral("visibility"), QString()); });
}

}  // namespace forms
