#include "platform/web/responsesizes.h"

#include <QHash>

namespace web {

namespace {

// Response sizes by address; bounded so that a long session does not grow it without end.
QHash<QString, qint64>& sizes() {
    static QHash<QString, qint64> table;
    return table;
}

}  // namespace

void recordSize(const QUrl& url, qint64 size) {
    if (sizes().size() > 20000) sizes().clear();
    sizes().insert(url.adjusted(QUrl::RemoveFragment).toString(QUrl::FullyEncoded), size);
}

qint64 recordedSize(const QString& address) {
    const QUrl url(address);
    const auto it = sizes().constFind(url.adjusted(QUrl::RemoveFragment).toString(QUrl::FullyEncoded));
    return it == sizes().constEnd() ? -1 : it.value();
}

}  // namespace web
