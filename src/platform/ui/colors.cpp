#include "platform/ui/colors.h"

#include <QApplication>
#include <QPalette>

namespace ui {

bool isSystemColor(Color colour) { return (static_cast<unsigned long long>(colour) & 0x80000000ULL) != 0; }

QColor toQColor(Color colour) {
    const auto bits = static_cast<unsigned long long>(colour) & 0xFFFFFFFFULL;
    if (bits & 0x80000000ULL) {
        const QPalette pal = QApplication::palette();
        switch (bits & 0xFF) {
        case 0: return pal.color(QPalette::Button);           // scroll bars
        case 1: return pal.color(QPalette::Window);           // desktop
        case 2: return pal.color(QPalette::Highlight);        // active caption
        case 3: return pal.color(QPalette::Mid);              // inactive caption
        case 4: return pal.color(QPalette::Window);           // menu bar
        case 5: return pal.color(QPalette::Base);             // window background
        case 6: return pal.color(QPalette::Shadow);           // window frame
        case 7: return pal.color(QPalette::WindowText);       // menu text
        case 8: return pal.color(QPalette::Text);             // window text
        case 9: return pal.color(QPalette::HighlightedText);  // caption text
        case 10: case 11: return pal.color(QPalette::Mid);    // borders
        case 12: return pal.color(QPalette::Dark);            // application workspace
        case 13: return pal.color(QPalette::Highlight);
        case 14: return pal.color(QPalette::HighlightedText);
        case 15: return pal.color(QPalette::Button);           // button face
        case 16: return pal.color(QPalette::Dark);             // button shadow
        case 17: return pal.color(QPalette::Disabled, QPalette::Text);
        case 18: return pal.color(QPalette::ButtonText);
        case 19: return pal.color(QPalette::Disabled, QPalette::WindowText);
        case 20: return pal.color(QPalette::Light);            // button highlight
        case 21: return pal.color(QPalette::Shadow);           // 3D dark shadow
        case 22: return pal.color(QPalette::Midlight);         // 3D light
        case 23: return pal.color(QPalette::ToolTipText);
        case 24: return pal.color(QPalette::ToolTipBase);
        default: return pal.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

Color fromQColor(const QColor& colour) { return rgb(colour.red(), colour.green(), colour.blue()); }

}  // namespace ui
