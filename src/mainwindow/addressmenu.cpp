#include "mainwindow/addressmenu.h"

#include "forms/settings.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/slots.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"
#include "records/favoriterecord.h"
#include "records/form13.h"

using rt::guard;
using rt::step;

AddressMenu::AddressMenu(Form1& f, Form4& f4) : f(f), f4(f4) {
    f.Text7.onMouseDown = [this](int button, int shift, double x, double y) { Text7_MouseDown(button, shift, x, y); };
    f4.DZYJ100.onClick = [this](int index) { DZYJ100_Click(index); };
}

void AddressMenu::Text7_MouseDown(int button, int, double, double) {
    if (button != 2) return;
    step([&] { f.Text7.setEnabled(false); });

    for (int i = 1; i <= 4; ++i) {
        const QString key = QStringLiteral("CNC0") + QString::number(i);
        step([&] { f4.DZYJ100(i).setCaption(forms::read(forms::Txt::Youjian, key)); });
    }

    if (forms::readNumber(forms::appkey::标签打开, 1) == 1) {
        step([&] { f4.DZYJ100(5).setCaption(QStringLiteral("标签打开")); });
        step([&] { f4.DZYJ100(5).setChecked(true); });
    } else {
        step([&] { f4.DZYJ100(5).setCaption(QStringLiteral("直接打开")); });
        step([&] { f4.DZYJ100(5).setChecked(false); });
    }

    if (forms::readNumber(forms::appkey::左边中间, 1) == 1) {
        step([&] { f4.DZYJ100(6).setCaption(QStringLiteral("在中间")); });
        step([&] { f4.DZYJ100(6).setChecked(true); });
    } else {
        step([&] { f4.DZYJ100(6).setCaption(QStringLiteral("在左边")); });
        step([&] { f4.DZYJ100(6).setChecked(false); });
    }

    fillTop();

    step([&] { ui::popupMenu(f4.DZYJ); });
    step([&] { f.Text7.setEnabled(true); });
    // Disabling the box took the keyboard focus away from it; while the user is still editing, the
    // typing goes on in the box, not in whatever control took the focus meanwhile.
    step([&] { forms::focusAddressBox(f); });
}

void AddressMenu::fillTop() {
    QStringList lines;
    step([&] { lines = sys::readLines(Form13::favoritesFile()); });
    for (int i = 1; i <= kTopItems; ++i) {
        FavoriteRecord record;
        const bool valid = i <= lines.size() && FavoriteRecord::parse(lines[i - 1], &record) &&
                           !record.id.isEmpty() && !record.address.isEmpty();
        step([&] {
            ui::Menu& item = f4.top20(i);
            if (!valid) {
                item.setTag(QString());
                item.setCaption(QString());
                item.setVisible(false);
                return;
            }
            item.setTag(record.address);
            // "&" would mark an access key in a caption: it shows doubled.
            const QString shown = rt::left(record.address, kTopCaptionLength);
            item.setCaption(rt::replace(shown, QStringLiteral("&"), QStringLiteral("&&")));
            item.setVisible(rt::len(shown) > 3);
        });
    }
}

void AddressMenu::DZYJ100_Click(int index) {
    switch (index) {
    case 1:  // paste and open
        step([&] { f.Text7.setText(ui::services().clipboardText()); });
        step([&] { f.Text7.setVisible(false); });
        step([&] { f.Command1.press(); });
        break;
    case 3:  // copy
        step([&] { ui::services().setClipboardText(QString()); });
        step([&] { ui::services().setClipboardText(f.Text7.text()); });
        break;
    case 4:  // the item's caption into the box
        step([&] { f.Text7.setText(f4.DZYJ100(4).caption()); });
        break;
    case 5:  // new-tab mode of the go command
        if (forms::readNumber(forms::appkey::标签打开, 1) == 1)
            step([&] { forms::write(forms::appkey::标签打开, QStringLiteral("0")); });
        else
            step([&] { forms::write(forms::appkey::标签打开, QStringLiteral("1")); });
        break;
    case 6:  // alignment of the address bar
        if (forms::readNumber(forms::appkey::左边中间, 1) == 1) {
            step([&] { forms::write(forms::appkey::左边中间, QStringLiteral("0")); });
            step([&] { f.Text7.setAlignment(ui::vbLeftJustify); });
            step([&] { f.Label2(4).setAlignment(ui::vbLeftJustify); });
        } else {
            step([&] { forms::write(forms::appkey::左边中间, QStringLiteral("1")); });
            step([&] { f.Text7.setAlignment(ui::vbCenter); });
            step([&] { f.Label2(4).setAlignment(ui::vbCenter); });
        }
        break;
    default:  // 2 only opens the TOP list
        break;
    }
}
