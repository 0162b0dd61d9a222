// Every caption the program's windows and menus show is drawn. Each character of a label, button,
// frame or list caption of every window, rendered in the font that control shows it with, and each
// menu caption (the menu trees and the captions they take from 右键.txt), rendered in the menus'
// font, must leave ink. A font that holds a character but draws an empty glyph for it keeps the
// toolkit from falling back to another font, and the caption shows a blank where its glyph should be
// (a close glyph nobody can see).
#include "support/program/program_fixture.h"

#include "analysis/form11.h"
#include "analysis/form9.h"
#include "forms/form1.h"
#include "forms/form14.h"
#include "forms/form4.h"
#include "forms/windowowner.h"
#include "media/form12.h"
#include "media/form2.h"
#include "platform/rt/gbk.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/fontsubstitutes.h"
#include "platform/ui/menu.h"
#include "records/form13.h"
#include "records/form3.h"
#include "records/form6.h"
#include "settings/form5.h"
#include "settings/form8.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

struct Caption {
    QString where;  // window and control, for the message
    QString text;
    QFont font;
};

// Whether the character `ucs4` drawn in `font` leaves any ink.
bool draws(const QFont& font, uint ucs4) {
    const QString ch = QString::fromUcs4(&ucs4, 1);
    const QFontMetrics metrics(font);
    const int h = std::max(metrics.height(), 8);
    QImage image(metrics.horizontalAdvance(ch) + 2 * h, 3 * h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(h, h + metrics.ascent(), ch);
    p.end();
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) != 0xFFFFFF) return true;
    }
    return false;
}

// A menu or button caption as shown: "&" marks the access key, "&&" is one "&".
QString shownText(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

class CaptionsDrawn : public ProgramFixture {
protected:
    // The captions of every control of `window`, each with the control's own font.
    void addWindow(const QString& name, QWidget* window) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* w : widgets) {
            const QString where = name + " " + w->metaObject()->className() + " " + w->objectName();
            if (auto* label = qobject_cast<QLabel*>(w)) captions.push_back({where, label->text(), w->font()});
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                captions.push_back({where, shownText(button->text()), w->font()});
            if (auto* frame = qobject_cast<QGroupBox*>(w)) captions.push_back({where, shownText(frame->title()), w->font()});
            if (auto* list = qobject_cast<QComboBox*>(w)) {
                for (int i = 0; i < list->count(); ++i) captions.push_back({where, list->itemText(i), w->font()});
            }
        }
    }
    void addMenu(const ui::Menu& menu, const QFont& font) {
        if (!menu.isSeparator()) captions.push_back({"menu " + menu.name(), shownText(menu.caption()), font});
        for (const ui::Menu* item : menu.items()) addMenu(*item, font);
    }
    // Every value of 右键.txt: the captions the menus take each time they pop up.
    void addMenuTexts(const QFont& font) {
        QFile file(sys::nativePath(path(QStringLiteral("\\txt\\右键.txt"))));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = rt::fromGbk(file.readAll()).split(QRegularExpression("[\r\n]+"));
        for (const QString& line : lines) {
            const int eq = line.indexOf('=');
            if (eq > 0) captions.push_back({"右键.txt " + line.left(eq), shownText(line.mid(eq + 1)), font});
        }
    }

    std::vector<Caption> captions;
};

TEST_F(CaptionsDrawn, EveryCharacterOfEveryCaptionLeavesInk) {
    // The fonts as the program's start sets them up.
    ui::installFontSubstitutes();
    ASSERT_TRUE(start());
    auto& owner = forms::windows();
    f1().Command2(11).press();  // the settings window, as a person opens it
    addWindow("Form1", f1().widget());
    addWindow("Form5", owner.window<Form5>().widget());
    addWindow("Form8", owner.window<Form8>().widget());
    addWindow("Form2", owner.window<Form2>().widget());
    addWindow("Form12", owner.window<Form12>().widget());
    addWindow("Form3", owner.window<Form3>().widget());
    addWindow("Form6", owner.window<Form6>().widget());
    addWindow("Form13", owner.window<Form13>().widget());
    addWindow("Form9", owner.window<Form9>().widget());
    addWindow("Form11", owner.window<Form11>().widget());

    const QFont menuFont = QMenu().font();
    Form4& f4 = owner.form4();
    for (const ui::Menu* top : {&f4.BQYJ, &f4.BJDH, &f4.DZYJ, &f4.caidan, &f4.WDYJ}) addMenu(*top, menuFont);
    Form14& f14 = owner.form14();
    for (const ui::Menu* top : {&f14.bianji, &f14.xiazai, &f14.yuanmayj, &f14.tanchu}) addMenu(*top, menuFont);
    addMenuTexts(menuFont);

    // The glyphs of the title strips are among them.
    const auto shown = [&](const QString& text) {
        return std::count_if(captions.begin(), captions.end(), [&](const Caption& c) { return c.text == text; });
    };
    EXPECT_GE(shown(QStringLiteral("　Ⅹ　")), 2);  // the settings window and the picture viewer
    EXPECT_GE(shown(QStringLiteral("　︹　")), 2);
    EXPECT_GE(shown(QStringLiteral("×")), 2);  // the main window and the pop-out, from fg.txt

    QSet<QString> checked;
    QStringList blank;
    for (const Caption& c : captions) {
        for (uint ucs4 : c.text.toUcs4()) {
            const QChar::Category category = QChar::category(ucs4);
            if (QChar::isSpace(ucs4) || category == QChar::Other_Control || category == QChar::Other_Format) continue;
            const QString key = c.font.key() + QString::number(ucs4);
            if (checked.contains(key)) continue;
            checked.insert(key);
            if (!draws(c.font, ucs4))
                blank << QStringLiteral("%1: \"%2\" U+%3 in %4 (shown with %5)")
                             .arg(c.where, c.text)
                             .arg(ucs4, 4, 16, QLatin1Char('0'))
                             .arg(c.font.family(), QFontInfo(c.font).family());
        }
    }
    EXPECT_GT(checked.size(), 100);
    EXPECT_TRUE(blank.isEmpty()) << blank.join('\n').toStdString();
}

}  // namespace
