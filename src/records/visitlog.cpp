#include "records/visitlog.h"

#include "forms/form1.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"
#include "platform/web/address.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"
#include "records/form3.h"


using rt::guard;
using rt::step;

namespace {

const QString kBar = QStringLiteral("║");
const QString kGap = QStringLiteral("      ");
constexpr int kFixed = 24;       // number, bar, date, blank, time, bar
constexpr int kTitleLength = 19;
constexpr int kAddressLength = 666;
constexpr int kLimit = 999;
const QString kNotWritten = QStringLiteral("浏览记录失败，文件不能写入：");

}  // namespace

VisitLog::VisitLog(Form1& form) : f(form) {
    f.Command12.onClick = [this] { Command12_Click(); };
}

int VisitLog::countLines(const QByteArray& bytes) {
    int lines = 0;
    int i = 0;
    const int n = bytes.size();
    bool open = false;  // text since the last line end
    while (i < n) {
        const char c = bytes[i];
        if (c == '\r') {
            ++lines;
            open = false;
            i += (i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
        } else if (c == '\n') {
            ++lines;
            open = false;
            ++i;
        } else {
            open = true;
            ++i;
        }
    }
    return lines + (open ? 1 : 0);
}

QString VisitLog::record(int number, const QString& date, const QString& time, const QString& title,
                         const QString& address) {
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')) + kBar + date + QLatin1Char(' ') + time + kBar +
           rt::left(title, kTitleLength) + kGap + address;
}

QString VisitLog::addressOf(const QString& line) {
    const bool shaped = line.size() > kFixed && line.mid(3, 1) == kBar && line.mid(kFixed - 1, 1) == kBar;
    if (shaped) {
        // The gap follows a title of at most 19 characters, which may itself end in blanks or hold six
        // in a row: the address starts after the last gap within reach that is not followed by a
        // blank (an address never starts with one).
        int address = -1;
        for (int at = kFixed; at <= kFixed + kTitleLength && at + kGap.size() <= line.size(); ++at) {
            const int after = at + kGap.size();
            if (line.midRef(at, kGap.size()) == kGap && (after == line.size() || line[after] != QLatin1Char(' ')))
                address = after;
        }
        if (address >= 0) return web::addressFromRecord(line.mid(address, kAddressLength));
    }
    const int http = line.indexOf(QStringLiteral("http"), 0, Qt::CaseInsensitive);
    if (http < 0) return QString();
    return web::addressFromRecord(line.mid(http, kAddressLength));
}

void VisitLog::Command12_Click() {
    // Only the front slot's own completion is recorded (the page handling presses for every slot).
    if (!guard([&] {
            const QString tag = f.Command12.tag();
            return tag.isEmpty() || rt::toInt32(tag) == forms::frontSlot(f);
        }))
        return;
    const QString file = Form3::logFile();
    step([&] { sys::makeFolder(sys::appPath() + QStringLiteral("\\txt")); });
    QByteArray bytes;
    if (sys::fileExists(file)) {
        if (!sys::readFileBytes(file, bytes)) return;  // a file that cannot be read gets no record
    }
    const int n = countLines(bytes);
    if (n > kLimit - 1) return;
    QString line;
    bool built = false;
    step([&] {
        const QDateTime now = ui::services().now();
        const web::Document doc = f.WebBrowser1(forms::frontSlot(f)).document();
        line = record(n + 1, rt::dateText(now), rt::timeText(now), doc.title(), web::recordAddress(doc.url()));
        built = true;
    });
    if (!built) return;
    step([&] { forms::window<Form3>().List1.addItem(line, 0); });
    if (!step([&] { sys::appendLine(file, line); })) {
        ui::refuse(kNotWritten + sys::nativePath(file));
    }
}
