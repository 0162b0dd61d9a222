#include "analysis/tagviews.h"

#include "analysis/tablepage.h"
#include "analysis/views.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/slots.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

using rt::guard;
using rt::step;

namespace {

constexpr int kFocusedLimit = 9999;

}  // namespace

TagViews::TagViews(Form1& form, Form4& owner) : f(form), m(owner) {
    m.BJYM100.onClick = [this](int Index) { BJYM100_Click(Index); };
}

web::Document TagViews::front() { return f.WebBrowser1(forms::frontSlot(f)).document(); }

void TagViews::BJYM100_Click(int Index) {
    const QString number = analysis::drawViewNumber();
    if (Index == 0) {
        focusedElementView(number);
    } else if (Index >= 1 && Index <= 10) {
        QString tag;
        step([&] { tag = analysis::nameFromCaption(m.BJYM100(Index).caption()); });
        tagTable(number, tag, tag);
    } else if (Index == 11) {
        typedTagTable(number);
    } else if (Index == 12) {
        hideClickedElement();
    }
}

void TagViews::focusedElementView(const QString& number) {
    if (guard([&] {
            const QString tag = front().event().srcElement.tagName().toLower();
            return tag == QLatin1String("body") || tag == QLatin1String("html");
        })) {
        ui::refuse(QStringLiteral("此处不可以获取"));
        return;
    }
    if (guard([&] { return rt::len(front().activeElement().outerHTML()) >= kFocusedLimit; })) {
        ui::refuse(QStringLiteral("这里源码字节超过9999，不能打开。"));
        return;
    }
    QString text;
    step([&] { text = analysis::lineBreakEscape(front().activeElement().outerHTML()); });
    text = analysis::colourText(text, {true, true, false});
    const analysis::ViewName view = analysis::nameNewView(QStringLiteral("shubiao - "), number);
    step([&] { analysis::writeView(view.name, {analysis::fontDiv(18), text, QStringLiteral("</div>")}); });
    analysis::showView(view.name);
}

void TagViews::tagTable(const QString& number, const QString& tag, const QString& shown) {
    // One snapshot of the tag's elements: each row reads its element once, nothing is searched again.
    QList<web::Element> elements;
    if (tag != QLatin1String("*")) step([&] { elements = front().getElementsByTagName(tag); });
    if (elements.isEmpty()) {
        ui::refuse(QStringLiteral("网页中没有<") + shown + QStringLiteral(">标记"));
        return;
    }
    // The row colours, read for this table.
    QString odd, even;
    step([&] { odd = f.bg1(); });
    step([&] { even = f.bg2(); });
    QStringList rows;
    rows.reserve(elements.size());
    for (int i = 0; i < elements.size(); ++i) {
        const int n = i + 1;
        step([&] {
            rows << analysis::numberCell(n) + QStringLiteral("<td bgcolor=") + (n % 2 ? odd : even) + QLatin1Char('>') +
                        analysis::plainEscape(elements[i].outerHTML()) + QStringLiteral("</td> </tr>");
        });
    }
    analysis::writeTablePage(number, shown, elements.size(), analysis::fontDiv(18), rows);
}

void TagViews::typedTagTable(const QString& number) {
    QString answer;
    step([&] {
        answer = ui::askInInputBox(QStringLiteral("a,img,input.."), QStringLiteral("标记"), QString());
    });
    const QString tag = answer.toLower();
    if (tag.isEmpty()) return;
    const QString shown = tag.toUpper();
    if (!analysis::fitsFileName(tag)) {
        ui::refuse(QStringLiteral("网页中没有<") + shown + QStringLiteral(">标记"));
        return;
    }
    tagTable(number, tag, shown);
}

void TagViews::hideClickedElement() {
    web::Element clicked;
    if (guard([&] {
            clicked = front().event().srcElement;
            const QString tag = clicked.tagName().toLower();
            return tag == QLatin1String("body") || tag == QLatin1String("center");
        })) {
        ui::refuse(QStringLiteral("此处不可以隐藏"));
        return;
    }
    step([&] { clicked.setStyleProperty(QStringLiteral("visibility"), QStringLiteral("hidden")); });
    step([&] {
        ui::services().msgBox(QStringLiteral("本次隐藏了<") + clicked.tagName() + QStringLiteral(">标记"),
                              ui::vbOKOnly + ui::vbExclamation, QString());
    });
}
