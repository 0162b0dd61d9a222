#include "page/hintbar.h"

#include "forms/form1.h"
#include "forms/pageelements.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/web/document.h"

#include <algorithm>

using rt::guard;
using rt::step;

const QString HintBar::kLabelId = QStringLiteral("Tavrolinid");
const QString HintBar::kStripId = QStringLiteral("input_x");
const QString HintBar::kFirstText = QStringLiteral("加载完成..");

namespace {

const QString kStripCss = QStringLiteral(
    "z-index:99999;background:#000000;border:0px;filter:alpha(opacity=60);opacity:0.6;width:700px;height:33px;"
    "left:0%;top:96%;position:fixed");

const QString kHidden = QStringLiteral("hidden");
const QString kVisibility = QStringLiteral("visibility");

}  // namespace

HintBar::HintBar(Form1& form) : f(form) {
    f.Command8.onClick = [this] { Command8_Click(); };
    f.WebBrowser1.onStatusTextChange = [this](int Index, const QString& Text) {
        WebBrowser1_StatusTextChange(Index, Text);
    };
}

void HintBar::injectInto(int k) {
    target_ = k;
    f.Command8.press();
    target_ = 0;
}

void HintBar::Command8_Click() {
    const int k = target_;
    target_ = 0;
    web::Document doc;
    step([&] { doc = f.WebBrowser1(k != 0 ? k : forms::frontSlot(f)).document(); });
    // A page without the bar makes the look-up fail, and then the bar goes in.
    if (!guard([&] { return rt::len(doc.allItem(kLabelId).id()) < 2; })) return;
    Bar bar;
    bar.strip = forms::appendToBody(
        doc, QStringLiteral("input"), kStripId,
        {[](web::Element& e) { e.setAttribute(QStringLiteral("type"), QStringLiteral("button")); }}, kStripCss);
    QString font;
    step([&] { font = forms::read(forms::fgkey::字体); });
    bar.label = forms::appendToBody(doc, QStringLiteral("label"), kLabelId,
                                    {[](web::Element& e) { e.setInnerText(kFirstText); }},
                                    QStringLiteral("z-index:99999;color:#FFFFFF;font-size:16px;font-family:") + font +
                                        QStringLiteral(";left:3px;top:96%;position:fixed"));
    forgetGoneBars();
    if (bar.label.isValid()) bars_.push_back(bar);
}

void HintBar::forgetGoneBars() {
    // A handle would keep the document of a page that is gone alive.
    bars_.erase(std::remove_if(bars_.begin(), bars_.end(), [](const Bar& b) { return !b.label.isValid(); }),
                bars_.end());
}

const HintBar::Bar& HintBar::barOf(int k) {
    forgetGoneBars();
    const web::Document doc = f.WebBrowser1(k).document();
    for (const Bar& bar : bars_) {
        if (bar.label.document() == doc) return bar;
    }
    rt::raise(rt::ObjectRequired, QStringLiteral("hint bar"));
}

QString HintBar::labelText(const QString& text, int hintOpenMode) {
    const QString prefix = hintOpenMode != 0 ? QStringLiteral("新建") : QStringLiteral("覆盖");
    return prefix + rt::mid(rt::left(text, 67), rt::instr(text, QStringLiteral("://")) + 3, 60);
}

void HintBar::WebBrowser1_StatusTextChange(int Index, const QString& Text) {
    if (rt::instr(Text, QStringLiteral("http"), rt::TextCompare) == 0) {
        step([&] { barOf(Index).label.setStyleProperty(kVisibility, kHidden); });
        step([&] { barOf(Index).strip.setStyleProperty(kVisibility, kHidden); });
        step([&] { f.Label1.setCaption(QStringLiteral(".")); });
        return;
    }
    f.lastHoveredLink = Text;
    step([&] { f.Label1.setCaption(Text); });

    if (!guard([&] { return rt::toDouble(forms::read(forms::appkey::连接提示)) == 1; })) return;
    step([&] { barOf(Index).label.setInnerText(labelText(Text, f.hintOpenMode)); });
    const bool hiding = guard([&] { return rt::toDouble(f.Timer4(6).tag()) == 1; });
    const QString visibility = hiding && rt::instr(Text, QStringLiteral("..")) > 0 ? kHidden : QString();
    step([&] { barOf(Index).label.setStyleProperty(kVisibility, visibility); });
    step([&] { barOf(Index).strip.setStyleProperty(kVisibility, visibility); });
}
