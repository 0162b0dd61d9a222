#include "analysis/elementlist.h"

#include "analysis/views.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/jobs.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/html.h"
#include "platform/rt/text.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"
#include "platform/ui/timer.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

#include <algorithm>
#include <cmath>

using rt::guard;
using rt::step;

namespace {

const QString kIdPrefix = QStringLiteral("ym");
constexpr int kBodyTextLimit = 666;
const QString kPageChanged = QStringLiteral("标签中的网页已改变，源码生成已停止");

QString snippet(const forms::Key& key) {
    QString value;
    step([&] { value = forms::read(key); });
    return value;
}

}  // namespace

ElementList::ElementList(Form1& form, Form4& owner) : f(form), m(owner) {
    f.Command11.onClick = [this] { Command11_Click(); };
    f.ORIBERISA.ondblclick = [this](const web::DocumentEvent& e) { return ORIBERISA_ondblclick(e); };
    forms::jobBody(f, forms::Job::ElementListStep) = [this] { elementListStep(); };
}

QString ElementList::row(int number, const QString& tag, const QString& text, int maxDigits) {
    if (tag.isEmpty() || tag.size() > 10 || QString::number(number).size() > maxDigits) return QString();
    const QString numberText = number < 10000 ? QString::number(number).rightJustified(4, QLatin1Char('0')) : QString::number(number);
    return QString(8, QChar(0x3000)) + numberText + QStringLiteral(".<a href=# title=") + QString::number(text.size() - 6) +
           QStringLiteral("+ id=") + kIdPrefix + QString::number(number) + QLatin1Char('>') + rt::htmlEscape(tag) + QStringLiteral("</a>") +
           QString(10 - tag.size(), QLatin1Char('-')) + QLatin1Char('>');
}

QString ElementList::label(int number, const QString& colouredText) {
    return QStringLiteral("<label id=") + kIdPrefix + QString::number(number) + QStringLiteral("X style=display:none>") +
           colouredText + QStringLiteral("</label><br>");
}

QString ElementList::colour(const QString& text, QString* attributeColour) {
    analysis::Passes passes;
    passes.digits = std::any_of(text.begin(), text.end(), rt::isAsciiDigit);
    if (!text.contains(QStringLiteral("&lt;script"), Qt::CaseInsensitive)) {
        passes.attributes = true;
    } else {
        const int length = passes.digits ? analysis::colourText(text, passes).size() : text.size();
        passes.keywords = !(text.contains(QStringLiteral("src="), Qt::CaseInsensitive) ||
                            text.contains(QStringLiteral(".js"), Qt::CaseInsensitive) || length < 100);
    }
    return analysis::colourText(text, passes, attributeColour);
}

QString ElementList::pagePath() const {
    return analysis::viewPath(QStringLiteral("HTML - ") + m.html100(1).tag() + QStringLiteral(".html"));
}

void ElementList::start() {
    if (forms::jobTimer(f, forms::Job::ElementListStep).enabled()) {
        step([&] { ui::services().msgBox(QStringLiteral("正在生成，请稍后.."), ui::vbOKOnly + ui::vbExclamation, QString()); });
        return;
    }
    int answer = ui::vbNo;
    step([&] {
        answer = ui::services().msgBox(QStringLiteral("生成源码时不要进行其他操作，以免卡死"), ui::vbYesNo + ui::vbQuestion, QString());
    });
    if (answer != ui::vbYes) return;
    const analysis::ViewName view = analysis::nameNewView(QStringLiteral("HTML - "));
    step([&] { m.html100(1).setTag(view.number); });
    step([&] { listed_ = f.WebBrowser1(forms::frontSlot(f)).document(); });
    auto doc = [&] { return listed_; };
    QStringList items;
    items << QStringLiteral("<meta http-equiv=MSthemeCompatible content=yes>");
    items << QStringLiteral("<style type=text/css>label{font-family:") + analysis::cssFontName() + QStringLiteral(";font-size:18px}</style>");
    QString title;
    step([&] { title = doc().title(); });
    // The title is the page's text: escaped, so markup in it shows as text in the local view.
    items << QStringLiteral("<label>") + rt::htmlEscape(title) + QStringLiteral("</label><br><br>");
    items << snippet(forms::yuyankey::button1) << QStringLiteral("<div id=99997 style=display:none>");
    items << snippet(forms::yuyankey::button2) << QStringLiteral("<div id=99998 style=display:none>");
    // The head part: the elements before the body.
    int numbered = 0;
    QString carried;
    QList<web::Element> all;
    step([&] { all = doc().all(); });
    for (const web::Element& e : all) {
        QString tag;
        step([&] { tag = e.tagName(); });
        const QString lower = tag.toLower();
        if (lower == QLatin1String("body")) break;
        if (lower == QLatin1String("html") || lower == QLatin1String("head")) continue;
        ++numbered;
        QString text;
        step([&] { text = analysis::plainEscape(e.outerHTML()); });
        const QString r = row(numbered, tag, text, 4);
        if (!r.isEmpty()) items << r;
        items << label(numbered, colour(text, &carried));
    }
    step([&] { analysis::writeView(view.name, items); });
    // The progress overlay at the end of the listed body.
    step([&] {
        const web::Element input = doc().createElement(QStringLiteral("input"));
        input.setId(QStringLiteral("ym99_input"));
        input.setAttribute(QStringLiteral("title"), QStringLiteral("双击停止生成"));
        input.setAttribute(QStringLiteral("type"), QStringLiteral("button"));
        input.setStyleCssText(QStringLiteral("z-index:99999;background:#000000;border:2px #7FFF00 solid;left:40%;top:75%;"
                                             "width:23%;height:10%;filter:alpha(opacity=60);opacity:0.6;position:fixed"));
        doc().body().appendChild(input);
    });
    step([&] {
        const web::Element text = doc().createElement(QStringLiteral("label"));
        text.setId(QStringLiteral("ym99_label"));
        text.setInnerText(QStringLiteral("准备生成.."));
        text.setStyleCssText(QStringLiteral("z-index:99999;color:#7FFF00;font-size:17px;font-family:") + analysis::cssFontName() +
                             QStringLiteral(";left:42%;top:77.7%;position:fixed"));
        doc().body().appendChild(text);
    });
    step([&] { forms::jobTimer(f, forms::Job::ElementListStep).setTag(QStringLiteral("0")); });
    step([&] { forms::restart(f, forms::Job::ElementListStep); });
    step([&] { f.Command11.setCaption(QString::number(numbered)); });
    step([&] { f.Command11.setTag(QStringLiteral("0")); });
    step([&] { f.Command11.setToolTipText(f.Label9.caption()); });
}

void ElementList::Command11_Click() {
    // The page the run lists: when the listed tab has loaded another since, the run is abandoned as a
    // stop leaves it, and the user is told.
    if (!listed_.isValid()) {
        step([&] { forms::stop(f, forms::Job::ElementListStep); });
        ui::refuse(kPageChanged);
        return;
    }
    // The listed body's elements, read once for this step: the element listed and the end test both
    // use this reading (one walk of the body per step). None when they cannot be read.
    QList<web::Element> bodyElements;
    const bool readable = step([&] { bodyElements = listed_.body().all(); });
    int k = -1;
    step([&] { k = rt::toInt32(forms::jobTimer(f, forms::Job::ElementListStep).tag()) - 1; });
    const QString path = pagePath();
    QStringList items;
    if (k == 0) {
        items << QStringLiteral("</div>") << snippet(forms::yuyankey::button3) << QStringLiteral("<div id=99999 style=display:none>");
    }
    int number = 0;
    step([&] { number = rt::toInt32(f.Command11.caption()) + k + 1; });
    QString tag, text = QStringLiteral("字符长度过大，不给予显示");
    step([&] {
        const web::Element e = bodyElements.value(k);
        tag = e.tagName();
        const QString source = e.outerHTML();
        if (source.size() <= kBodyTextLimit) text = analysis::plainEscape(source);
    });
    const QString r = row(number, tag, text, 5);
    if (!r.isEmpty()) items << r;
    items << label(number, colour(text));
    // The last step: the step counter reaches this step's element count (a page that lost elements
    // ends too); a count that cannot be read counts as the end.
    bool last = true;
    if (readable) {
        step([&] { last = rt::toInt32(forms::jobTimer(f, forms::Job::ElementListStep).tag()) >= bodyElements.size(); });
    }
    if (last) {
        items << QStringLiteral("</div></div>") << snippet(forms::yuyankey::script1) << snippet(forms::yuyankey::script2)
              << snippet(forms::yuyankey::script3);
        step([&] { analysis::appendToView(path, items); });
        step([&] { forms::stop(f, forms::Job::ElementListStep); });
        removeOverlay();
        analysis::showView(QStringLiteral("HTML - ") + m.html100(1).tag() + QStringLiteral(".html"));
        return;
    }
    step([&] { analysis::appendToView(path, items); });
    step([&] { forms::restart(f, forms::Job::ElementListStep); });
}

void ElementList::elementListStep() {
    ui::Timer& job = forms::jobTimer(f, forms::Job::ElementListStep);
    step([&] { forms::stop(f, forms::Job::ElementListStep); });
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
    step([&] { job.setTag(rt::str(rt::toDouble(job.tag()) + 1)); });
    step([&] {
        if (f.Command11.onClick) f.Command11.onClick();
    });
}

void ElementList::removeOverlay() {
    step([&] { listed_.getElementById(QStringLiteral("ym99_input")).remove(); });
    step([&] { listed_.getElementById(QStringLiteral("ym99_label")).remove(); });
}

bool ElementList::ORIBERISA_ondblclick(const web::DocumentEvent&) {
    step([&] { forms::stop(f, forms::Job::ElementListStep); });
    removeOverlay();
    return false;
}
