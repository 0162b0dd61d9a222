#pragma once
// Sizes in bytes of the responses read so far, by address (shared by every page, as the engine's
// memory cache is; web layer internal).
#include <QString>
#include <QUrl>

namespace web {

// The size of the response for `address`; -1 when not known.
qint64 recordedSize(const QString& address);
// Notes the size of a response read whole.
void recordSize(const QUrl& url, qint64 size);

}  // namespace web
