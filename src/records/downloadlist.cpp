#include "records/downloadlist.h"

#include "forms/form1.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/html.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/services.h"
#include "platform/web/address.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"
#include "records/favoriterecord.h"
#include "records/form6.h"

using rt::guard;
using rt::step;

namespace {

constexpr int kAddLimit = 500;
constexpr int kNameLength = 39;

// An address inside a quoted attribute: the characters that could end the attribute or the tag, "&",
// and blanks are written as references, which read back to the same address.
constexpr unsigned kQuotedAddress = rt::kHtmlAmpersand | rt::kHtmlAngles | rt::kHtmlDoubleQuote | rt::kHtmlBlank;

const QString kNotWritten = QStringLiteral("下载记录失败，文件不能写入：");

}  // namespace

DownloadList::DownloadList(Form1& form) : f(form) {
    f.WebBrowser1.onFileDownload = [this](int Index, const QString& url, bool ActiveDocument, bool&) {
        WebBrowser1_FileDownload(Index, url, ActiveDocument);
    };
}

QString DownloadList::recordName(const QString& address) {
    QString name = address.mid(address.lastIndexOf(QLatin1Char('/')) + 1);
    name = rt::right(name, kNameLength);
    return rt::replace(name, QStringLiteral("..."), QString());
}

QString DownloadList::record(const QString& address, const QString& id, const QString& time, const QString& date) {
    // The link goes where the engine asks (what GBK cannot hold percent-encoded); the tooltip shows the
    // address as it reads, with character references.
    return QStringLiteral("<a href=\"") + rt::htmlEscape(web::recordAddress(address), kQuotedAddress) + QStringLiteral("\" title=\"") +
           rt::htmlEscape(address, kQuotedAddress) + QStringLiteral("&#13;时间：") + time +
           QStringLiteral("&#13;日期：") + date + QStringLiteral("\" id=") + id + QStringLiteral(" Target=_blank>") +
           rt::htmlEscape(recordName(address)) + QStringLiteral("</a><br><br>");
}

QString DownloadList::addressOf(const QString& line) {
    const QString start = QStringLiteral("<a href=");
    const int at = line.indexOf(start, 0, Qt::CaseInsensitive);
    if (at < 0) return QString();
    const int from = at + start.size();
    if (line.midRef(from, 1) == QLatin1String("\"")) {
        const int end = line.indexOf(QLatin1Char('"'), from + 1);
        return web::addressFromRecord(rt::htmlUnescape(line.mid(from + 1, end < 0 ? -1 : end - from - 1)));
    }
    // An older line: the address stands unquoted up to the next blank.
    const int end = line.indexOf(QLatin1Char(' '), from);
    return web::addressFromRecord(line.mid(from, end < 0 ? -1 : end - from));
}

void DownloadList::WebBrowser1_FileDownload(int Index, const QString& url, bool ActiveDocument) {
    if (ActiveDocument) return;
    // Arming first: the tab in front that holds no page of its own was opened for this download.
    step([&] {
        if (Index < 2 || Index > 10 || forms::frontSlot(f) != Index) return;
        const web::Document doc = f.WebBrowser1(Index).document();
        if (doc.isNull() || doc.url().isEmpty() || doc.url() == QLatin1String("about:blank")) {
            f.downloadPending = 1;
            f.downloadPendingSlot = Index;
        }
    });
    Form6* w = nullptr;
    step([&] { w = &forms::window<Form6>(); });
    if (!w) return;
    if (w->List1.listCount() > kAddLimit) return;
    const QString address = url;
    if (address.isEmpty()) return;
    for (int i = 0; i < w->List1.listCount(); ++i) {
        if (addressOf(w->List1.list(i)) == address) return;
    }
    QString line;
    step([&] {
        const QDateTime now = ui::services().now();
        line = record(address, FavoriteRecord::makeId(w->records()), rt::timeText(now), rt::dateText(now));
    });
    if (line.isEmpty()) return;
    step([&] { w->List1.addItem(line, 0); });
    if (!step([&] { w->downloadRewrite(); })) {
        ui::refuse(kNotWritten + sys::nativePath(Form6::listFile()));
    }
    step([&] { w->downloadReload(); });
}
