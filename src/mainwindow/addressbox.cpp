#include "mainwindow/addressbox.h"

#include "forms/form1.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"

using rt::guard;
using rt::step;

namespace {

const int kShortFormLength = 999;

}  // namespace

AddressBox::AddressBox(Form1& f) : f(f) {
    f.Text7.onChange = [this] { Text7_Change(); };
    f.Text7.onDblClick = [this] { Text7_DblClick(); };
    f.Text7.onKeyPress = [this](int& keyAscii) { Text7_KeyPress(keyAscii); };
    f.WebBrowser1.onNavigateComplete2 = [this](int Index, const QString&) { NavigateComplete2(Index); };
}

QString AddressBox::shortForm(const QString& text) {
    const int scheme = rt::instr(text, QStringLiteral("://"));
    QString caption = scheme > 0 ? rt::mid(text, scheme + 3, kShortFormLength) : rt::left(text, kShortFormLength);
    const QString ending = rt::right(caption, 5);
    if (ending == QLatin1String(".com/") || ending == QLatin1String(".net/"))
        caption = rt::left(caption, rt::len(caption) - 1);
    return caption;
}

void AddressBox::NavigateComplete2(int) {
    // What the user is typing stays; the front slot's address comes back when editing ends.
    if (f.Text7.visible()) return;
    step([&] { f.Text7.setText(forms::slotAddress(f, forms::frontSlot(f))); });
}

void AddressBox::Text7_Change() {
    step([&] { f.Label2(4).setCaption(shortForm(f.Text7.text())); });
    step([&] { f.Label2(4).move(f.Text7.left(), f.Text7.top(), f.Text7.width(), f.Text7.height()); });
}

void AddressBox::Text7_DblClick() {
    step([&] { f.Text7.setSelStart(0); });
    step([&] { f.Text7.setSelLength(rt::len(f.Text7.text())); });
}

void AddressBox::Text7_KeyPress(int& keyAscii) {
    if (keyAscii != 13) return;
    step([&] { f.Text7.setVisible(false); });
    step([&] { f.Command1.press(); });
}
