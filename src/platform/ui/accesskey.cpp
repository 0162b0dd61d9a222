#include "platform/ui/accesskey.h"

namespace ui {

QString stripAccessKey(const QString& caption) {
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

QString accessKeyOf(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return QString(caption[i + 1]).toUpper();
    }
    return QString();
}

}  // namespace ui
