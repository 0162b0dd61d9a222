#include "platform/web/downloadjob.h"

#include "platform/sys/programfolder.h"
#include "platform/sys/xdg.h"
#include "platform/ui/services.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTimer>

#include <algorithm>

namespace web {

namespace {

// The last part of a name a server sent, taken after its last "/" or "\\" (a name is never a path).
QString bareName(const QString& name) {
    const int cut = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    return name.mid(cut + 1);
}

// What a server's name comes to: its last part, cleaned.
QString offeredName(const QString& name) { return cleanFileName(bareName(name)); }

// The raw value of the parameter "filename=" of a Content-Disposition: a quoted string up to its
// closing quote (a quote after a backslash belongs to the name), else everything up to ";" with the
// blanks around it taken off. Null when there is no such parameter.
QByteArray dispositionFileName(const QByteArray& disposition) {
    const int at = disposition.indexOf("filename=");
    if (at < 0) return QByteArray();
    int i = at + 9;
    while (i < disposition.size() && (disposition[i] == ' ' || disposition[i] == '\t')) ++i;
    QByteArray raw("");
    if (i < disposition.size() && disposition[i] == '"') {
        for (++i; i < disposition.size() && disposition[i] != '"'; ++i) {
            if (disposition[i] == '\\' && i + 1 < disposition.size() && disposition[i + 1] == '"') ++i;
            raw += disposition[i];
        }
        return raw;
    }
    const int semi = disposition.indexOf(';', i);
    raw += disposition.mid(i, semi < 0 ? -1 : semi - i).trimmed();
    return raw;
}

// A character that does not belong in a file name offered to the user.
bool unfitInName(QChar c) {
    const ushort u = c.unicode();
    if (u < 0x20 || (u >= 0x7f && u < 0xa0)) return true;                       // control characters
    if (u == 0x2028 || u == 0x2029) return true;                                // line and paragraph separators
    if (u == 0x200e || u == 0x200f || (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069))
        return true;                                                            // direction marks
    return QStringLiteral("\\/:*?\"<>|").contains(c);
}

// The folder of the last save (the program's whole run shares it); empty before the first.
QString& lastSaveFolder() {
    static QString folder;
    return folder;
}

// The path a write to `path` ends at: links followed, the folders made canonical; for a file not yet
// there, its canonical folder and its name.
QString resolvedPath(const QString& path) {
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    for (int hops = 0; hops < 32 && info.isSymLink(); ++hops) info = QFileInfo(info.symLinkTarget());
    if (info.exists()) return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : QDir(folder).filePath(info.fileName());
}

}  // namespace

QString saveAsTitle() { return QStringLiteral("另存为"); }

QString cleanFileName(const QString& name) {
    QString clean = name;
    for (QChar& c : clean) {
        if (unfitInName(c)) c = QLatin1Char('_');
    }
    int from = 0;
    while (from < clean.size() && (clean[from] == QLatin1Char('.') || clean[from].isSpace())) ++from;
    int to = clean.size();
    while (to > from && clean[to - 1].isSpace()) --to;
    return clean.mid(from, to - from);
}

QString suggestedDownloadName(QNetworkReply* reply) {
    const QByteArray disposition = reply->rawHeader("Content-Disposition");
    QRegularExpression star(QStringLiteral("filename\\*\\s*=\\s*(?:UTF-8|utf-8)''([^;]+)"));
    auto m = star.match(QString::fromLatin1(disposition));
    if (m.hasMatch()) {
        const QString name = offeredName(QUrl::fromPercentEncoding(m.captured(1).trimmed().toLatin1()));
        if (!name.isEmpty()) return name;
    }
    const QByteArray raw = dispositionFileName(disposition);
    if (!raw.isNull()) {
        QTextCodec::ConverterState state;
        QString name = QTextCodec::codecForName("UTF-8")->toUnicode(raw.constData(), raw.size(), &state);
        if (state.invalidChars > 0) name = QTextCodec::codecForName("GBK")->toUnicode(raw);
        name = offeredName(name);
        if (!name.isEmpty()) return name;
    }
    const QString fromUrl = offeredName(reply->url().path());
    return fromUrl.isEmpty() ? QStringLiteral("download") : fromUrl;
}

QString saveStartFolder() {
    const QString last = lastSaveFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir() && !insideProgramFolder(last)) return last;
    const QString downloads = sys::xdg::downloadDir();
    if (!insideProgramFolder(downloads) && QDir().mkpath(downloads)) return downloads;
    return sys::xdg::homeDir();
}

bool insideProgramFolder(const QString& path) {
    QString program = QFileInfo(sys::nativePath(sys::appPath())).canonicalFilePath();
    if (program.isEmpty()) return false;
    const QString target = resolvedPath(path);
    if (target == program) return true;
    if (!program.endsWith(QLatin1Char('/'))) program += QLatin1Char('/');
    return target.startsWith(program);
}

QString askSavePath(const QString& suggestedName, const QString& refusal) {
    const QString chosen = ui::services().saveFileName(saveAsTitle(), suggestedName, saveStartFolder());
    if (chosen.isEmpty()) return QString();
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (insideProgramFolder(path)) {
        ui::refuse(refusal + path);
        return QString();
    }
    lastSaveFolder() = QFileInfo(path).absolutePath();
    return path;
}

QString askDownloadPath(QNetworkReply* reply) {
    return askSavePath(suggestedDownloadName(reply), QStringLiteral("下载失败，不能保存到程序自己的文件夹："));
}

DownloadJob::DownloadJob(QNetworkReply* reply, const QString& path) : reply_(reply), file_(path) {
    if (!file_.open(QIODevice::WriteOnly)) {
        failed_ = true;
        reply_->abort();
    }
    connect(reply_, &QNetworkReply::readyRead, this, [this] { pump(); });
    connect(reply_, &QNetworkReply::finished, this, [this] { finish(); });
    pump();
    if (reply_->isFinished()) QTimer::singleShot(0, this, [this] { finish(); });
}

void DownloadJob::pump() {
    if (failed_ || !reply_) return;
    const QByteArray data = reply_->readAll();
    if (!data.isEmpty() && file_.write(data) != data.size()) {
        failed_ = true;
        reply_->abort();
    }
}

void DownloadJob::finish() {
    if (done_) return;
    done_ = true;
    pump();
    bool ok = !failed_ && reply_ && reply_->error() == QNetworkReply::NoError;
    if (ok)
        ok = file_.commit();
    else
        file_.cancelWriting();
    if (!ok) {
        ui::services().msgBox(QStringLiteral("下载失败：") + QFileInfo(file_.fileName()).fileName(), ui::vbCritical,
                              QString());
    }
    if (reply_) reply_->deleteLater();
    deleteLater();
}

}  // namespace web
