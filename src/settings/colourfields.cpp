#include "settings/colourfields.h"

#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "settings/form5.h"
#include "settings/form8.h"
#include "settings/hintbox.h"

using rt::step;

ColourFields::ColourFields(Form5& window) : w(window) {
    w.Text6.onClick = [this] { Text6_Click(); };
    w.Text8.onClick = [this] { Text8_Click(); };
    w.Text32.onClick = [this] { Text32_Click(); };
    w.Text4.onClick = [this](int Index) { Text4_Click(Index); };
    w.Text6.onMouseMove = [this](int, int, double X, double) { Text6_MouseMove(X); };
    w.Text8.onMouseMove = [this](int, int, double X, double) { Text8_MouseMove(X); };
    w.Text32.onMouseMove = [this](int, int, double X, double) { Text32_MouseMove(X); };
}

void ColourFields::openPicker(Form5& w, const QString& slot) {
    step([&] { w.setTag(slot); });
    Form8* picker = nullptr;
    step([&] { picker = &forms::window<Form8>(); });
    if (!picker) return;
    step([&] { picker->move(w.left() + 1500, w.top() + 500, picker->width(), picker->height()); });
    step([&] { picker->show(); });
    step([&] { picker->activate(); });
}

void ColourFields::Text6_Click() { openPicker(w, QStringLiteral("字体颜色1")); }
void ColourFields::Text8_Click() { openPicker(w, QStringLiteral("字体颜色2")); }
void ColourFields::Text32_Click() { openPicker(w, QStringLiteral("当前标签")); }

// The slots of the page 颜色 are "颜色" followed by the field's index.
void ColourFields::Text4_Click(int Index) { openPicker(w, QStringLiteral("颜色") + QString::number(Index)); }

void ColourFields::Text6_MouseMove(double X) { HintBox::show(w, w.Text6, X, QStringLiteral("不是当前字体颜色")); }
void ColourFields::Text8_MouseMove(double X) { HintBox::show(w, w.Text8, X, QStringLiteral("当前字体颜色")); }
void ColourFields::Text32_MouseMove(double X) { HintBox::show(w, w.Text32, X, QStringLiteral("当前背景颜色")); }
