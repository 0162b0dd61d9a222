#include "platform/ui/handler.h"

#include <QtGlobal>

namespace ui {

namespace {

QStringList& conflicts() {
    static QStringList list;
    return list;
}

}  // namespace

QStringList handlerConflicts() { return conflicts(); }

void clearHandlerConflicts() { conflicts().clear(); }

void reportHandlerConflict(const char* slot) {
    const QString what = QString::fromUtf8(slot ? slot : "event handler");
    conflicts().append(what);
    qCritical("Programming error: the event slot %s was set while it held a handler (one owner per slot)",
              qPrintable(what));
}

}  // namespace ui
