#include "settings/stylefields.h"

#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "platform/ui/services.h"
#include "settings/colourfields.h"
#include "settings/fontlist.h"
#include "settings/form5.h"
#include "settings/hintbox.h"


#include <algorithm>

using rt::step;

namespace {

constexpr int kColourFields[] = {0, 10, 11, 12, 17, 18};
constexpr int kFontField = 16;

const QString kColourHint = QStringLiteral("颜色：背景，文字，移动，按钮，边框");
const QString kGlyphHint = QStringLiteral("按钮：字符，字体");

// The glyph of the main window a caption field edits (13, 14, 15 -> 1, 2, 3) and its key.
int glyphOf(int Index) { return Index - 12; }
forms::Key captionKey(int Index) {
    const forms::Key keys[] = {forms::fgkey::小化, forms::fgkey::大化, forms::fgkey::关闭};
    return keys[glyphOf(Index) - 1];
}

}  // namespace

StyleFields::StyleFields(Form5& window) : w(window) {
    w.Text7.onClick = [this](int Index) { Text7_Click(Index); };
    w.Text7.onMouseMove = [this](int Index, int, int, double X, double) { Text7_MouseMove(Index, X); };
}

bool StyleFields::isColourField(int Index) {
    return std::find(std::begin(kColourFields), std::end(kColourFields), Index) != std::end(kColourFields);
}

void StyleFields::Text7_Click(int Index) {
    if (isColourField(Index)) {
        ColourFields::openPicker(w, QStringLiteral("风格") + QString::number(Index));
    } else if (Index >= 13 && Index <= 15) {
        editGlyphCaption(Index);
    } else if (Index == kFontField) {
        FontList::open(w, QString::fromUtf8(FontList::kInterfaceFont), w.Text7(kFontField));
    }
}

void StyleFields::Text7_MouseMove(int Index, double X) {
    HintBox::show(w, w.Text7(Index), X, isColourField(Index) ? kColourHint : kGlyphHint);
}

void StyleFields::editGlyphCaption(int Index) {
    QString old;
    step([&] { old = w.Text7(Index).text(); });
    QString answer;
    step([&] {
        answer = ui::askInInputBox(w.Label3.caption(), QStringLiteral("修改"), old);
    });
    // Empty (cancelled included) or unchanged: nothing happens. Blanks and letter case count.
    if (answer.isEmpty() || answer == old) return;

    Form1& f = forms::form1();
    const int k = glyphOf(Index);
    step([&] { w.Text7(Index).setText(answer); });
    step([&] { forms::write(captionKey(Index), answer); });
    step([&] { f.Label2(k).setCaption(answer); });
    step([&] { f.fitGlyph(k); });
    step([&] { f.Shape2(k).setWidth(f.Label2(k).width()); });
    step([&] { f.Shape2(k).setHeight(f.Label2(k).height()); });
    step([&] { w.Command1.press(); });
}
