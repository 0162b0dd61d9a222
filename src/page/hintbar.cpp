#include "page/hintbar.h"

#include "forms/form1.h"
#include "forms/hintbars.h"
#include "forms/jobs.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/web/document.h"

using rt::guard;
using rt::step;

// The same names as forms::HintBars' (constants of another file are not yet made while this one's are).
const QString HintBar::kLabelId = QStringLiteral("Tavrolinid");
const QString HintBar::kStripId = QStringLiteral("input_x");
const QString HintBar::kFirstText = QStringLiteral("加载完成..");

namespace {

const QString kHidden = QStringLiteral("hidden");
const QString kVisibility = QStringLiteral("visibility");

}  // namespace

HintBar::HintBar(Form1& form) : f(form) {
    f.Command8.onClick = [this] { Command8_Click(); };
    f.WebBrowser1.onStatusTextChange = [this](int Index, const QString& Text) {
        WebBrowser1_StatusTextChange(Index, Text);
    };
    forms::jobBody(f, forms::Job::HintRearm) = [this] { hintRearm(); };
    forms::jobBody(f, forms::Job::HintHide) = [this] { hintHide(); };
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
    // The page has the bar when the program made one in it; a page's own element with the bar's id
    // does not count.
    bool has = false;
    step([&] { has = f.hintBars.has(doc); });
    if (has) return;
    QString font;
    step([&] { font = forms::read(forms::fgkey::字体); });
    f.hintBars.make(doc, font);
}

const forms::HintBars::Bar& HintBar::barOf(int k) { return f.hintBars.of(f.WebBrowser1(k).document()); }
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

    if (forms::readNumber(forms::appkey::连接提示, 1) != 1) return;
    step([&] { barOf(Index).label.setInnerText(labelText(Text, f.hintOpenMode)); });
    const bool hiding = guard([&] { return rt::toDouble(forms::jobTimer(f, forms::Job::HintHide).tag()) == 1; });
    const QString visibility = hiding && rt::instr(Text, QStringLiteral("..")) > 0 ? kHidden : QString();
    step([&] { barOf(Index).label.setStyleProperty(kVisibility, visibility); });
    step([&] { barOf(Index).strip.setStyleProperty(kVisibility, visibility); });
}

void HintBar::hintRearm() {
    step([&] { forms::stop(f, forms::Job::HintRearm); });
    step([&] { f.Command8.press(); });
}

void HintBar::hintHide() {
    const auto frontDocument = [&] { return f.WebBrowser1(forms::frontSlot(f)).document(); };
    // The program's own bar of the front page, never an element the page named like it.
    if (guard([&] { return rt::instr(f.hintBars.of(frontDocument()).label.innerText(), QStringLiteral("..")) > 0; })) {
        step([&] { f.hintBars.of(frontDocument()).label.setStyleProperty(kVisibility, kHidden); });
        step([&] { f.hintBars.of(frontDocument()).strip.setStyleProperty(kVisibility, kHidden); });
    }
    step([&] { forms::jobTimer(f, forms::Job::HintHide).setTag(QStringLiteral("1")); });
    step([&] { forms::stop(f, forms::Job::HintHide); });
}
