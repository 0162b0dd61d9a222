#include "analysis/pagescore.h"

#include "analysis/form9.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

#include <functional>
#include <optional>

using rt::step;

namespace analysis {

namespace {

constexpr ui::Color kBlue = 16711680;
constexpr ui::Color kRed = 255;
constexpr ui::Color kGreen = 32768;

ScoreMark pass() { return {QStringLiteral("√"), kBlue, 0}; }
ScoreMark penalty(int n) { return {QStringLiteral("-") + QString::number(n), kRed, -n}; }
ScoreMark bonus(int n) { return {QStringLiteral("+") + QString::number(n), kGreen, n}; }

// The labels of rows 1..10, each ending in U+2236.
const char* const kLabels[] = {"", "标题∶", "地址∶", "大小∶", "域名∶", "连接∶", "图片∶", "脚本∶", "框架∶", "动画∶", "标记∶"};
QString label(int row) { return QString::fromUtf8(kLabels[row]); }

}  // namespace

ScoreMark titleMark(int t) {
    if (t <= 1) return penalty(2);
    if (t >= 91) return penalty(3);
    if (t == 9) return bonus(6);
    return pass();
}

ScoreMark addressMark(int a) {
    if (a >= 91) return penalty(5);
    if (a >= 51) return penalty((a - 51) / 10 + 1);
    return pass();
}

ScoreMark sizeMark(const QString& sizeText) { return sizeText.isEmpty() ? penalty(6) : pass(); }

ScoreMark domainMark(int boxLength, int d) {
    if (boxLength < 7) return penalty(1);
    if (d >= 22) return penalty(5);
    if (d >= 18) return penalty(d - 17);
    if (d <= 4) return bonus(8);
    if (d <= 11) return bonus(12 - d);
    return pass();
}

ScoreMark linksMark(int l) {
    if (l >= 301) return penalty(10);
    if (l >= 211) return penalty((l - 211) / 10 + 1);
    if (l >= 50 || l <= 2) return pass();
    return bonus(5 - l / 10);
}

ScoreMark imagesMark(int i) {
    if (i >= 111) return penalty(10);
    if (i >= 21) return penalty((i - 21) / 10 + 1);
    if (i >= 10 || i <= 1) return pass();
    return bonus(5 - i / 2);
}

ScoreMark scriptsMark(int s) {
    if (s >= 101) return penalty(100);
    if (s >= 11) return penalty(10 * ((s - 11) / 10 + 1));
    if (s >= 5 || s <= 1) return pass();
    return bonus(9);
}

ScoreMark framesMark(int f) {
    if (f >= 11) return penalty(100);
    if (f >= 2) return penalty(10 * (f - 1));
    if (f == 1) return pass();
    return bonus(9);
}

ScoreMark elementsMark(int e) { return e > 999 ? penalty(6) : pass(); }

void scoreFrontPage(Form1& f, Form9& w) {
    // The boxes as at load: labels, the design colours, no marks (a window measured before is reset).
    for (int i = 1; i <= 10; ++i) {
        step([&] { w.Text3(i).setText(label(i)); });
        step([&] { w.Text3(i).setForeColor(Form9::kBoxText); });
        step([&] { w.Label2(i).setCaption(QString()); });
    }
    step([&] { w.Text3(0).setText(QStringLiteral("呈现\r\n")); });
    int score = 100;
    for (int i = 0; i <= 10; ++i) {
        step([&] {
            const QString face = forms::read(forms::fgkey::字体);
            if (face.isEmpty()) return;  // no face to set: the design face stays
            w.Text3(i).setFontName(face);
        });
        if (i >= 1) step([&] { w.Label2(i).setFontName(w.Text3(i).fontName()); });
    }

    // The measures, each read anew from the front slot's document; nothing when it cannot be read.
    auto doc = [&] { return f.WebBrowser1(forms::frontSlot(f)).document(); };
    std::optional<QString> values[11];
    auto measure = [&](int row, const std::function<QString()>& read) {
        step([&] { values[row] = read(); });
    };
    measure(1, [&] { return doc().title(); });
    measure(2, [&] { return f.Text7.text(); });
    measure(3, [&] {
        const qint64 size = doc().fileSize();
        return size < 0 ? QString() : QString::number(size);
    });
    measure(4, [&] { return doc().domain(); });
    measure(5, [&] { return QString::number(doc().querySelectorAll(QStringLiteral("a[href],area[href]")).size()); });
    measure(6, [&] { return QString::number(doc().getElementsByTagName(QStringLiteral("img")).size()); });
    measure(7, [&] { return QString::number(doc().scriptCount()); });
    measure(8, [&] { return QString::number(doc().frameCount()); });
    measure(9, [&] { return QString::number(doc().getElementsByTagName(QStringLiteral("object")).size()); });
    measure(10, [&] { return QString::number(doc().all().size()); });
    for (int i = 1; i <= 10; ++i) {
        if (!values[i]) continue;
        step([&] { w.Text3(i).setText(label(i) + QLatin1Char(' ') + *values[i] + (i == 3 ? QStringLiteral("字节") : QString())); });
    }
    if (f.frontIsTab()) step([&] { w.Text3(0).setText(doc().evaluate(QStringLiteral("navigator.userAgent"))); });

    // The marks: an empty value counts as 0; the size and element rows, whose test cannot be evaluated
    // without their value, take their penalty.
    auto length = [&](int row) { return values[row] ? values[row]->size() : 0; };
    auto count = [&](int row) { return values[row] ? values[row]->toInt() : 0; };
    int box4 = 0;
    step([&] { box4 = w.Text3(4).text().size(); });
    const ScoreMark marks[11] = {
        {},
        titleMark(length(1)),
        addressMark(length(2)),
        values[3] ? sizeMark(*values[3]) : penalty(6),
        domainMark(box4, length(4)),
        linksMark(count(5)),
        imagesMark(count(6)),
        scriptsMark(count(7)),
        framesMark(count(8)),
        framesMark(count(9)),
        values[10] ? elementsMark(count(10)) : penalty(6),
    };
    for (int i = 1; i <= 10; ++i) {
        step([&] { w.Label2(i).setCaption(marks[i].text); });
        step([&] { w.Label2(i).setForeColor(marks[i].colour); });
        score += marks[i].points;
    }
    step([&] { w.setCaption(QStringLiteral("浏览体验得分∶ ") + QString::number(score < 1 ? 0 : score)); });
    for (int i = 1; i <= 10; ++i) {
        if (marks[i].colour == kRed || marks[i].colour == kGreen) step([&] { w.Text3(i).setForeColor(marks[i].colour); });
    }
}

}  // namespace analysis

PageScore::PageScore(Form1& form, Form4& owner) : f(form) {
    owner.yuanma100.onClick = [this](int Index) { yuanma100_Click(Index); };
}

void PageScore::yuanma100_Click(int Index) {
    if (Index != 2) return;
    // A window still open is measured again: it shows the page in front now.
    const bool open = forms::windows().loaded<Form9>();
    Form9* w = nullptr;
    step([&] { w = &forms::window<Form9>(); });
    if (!w) return;
    step([&] { w->setWindowState(ui::vbNormal); });
    if (open) analysis::scoreFrontPage(f, *w);
    step([&] { w->show(); });
    if (open) step([&] { w->activate(); });
}
