#include "platform/sys/textfile.h"

#include "platform/rt/error.h"
#include "platform/rt/gbk.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {
namespace {

bool folderOfFileExists(const QString& native) { return QFileInfo(native).absoluteDir().exists(); }

// A file that must not be written: not writable for us, or without any write permission
// (the read-only attribute, which holds even for the administrator).
bool isReadOnly(const QFileInfo& info) {
    const QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

// Why a file at `native` cannot be written, or 0 when it can be tried.
int writeObstacle(const QString& native) {
    const QFileInfo info(native);
    if (!folderOfFileExists(native)) return rt::PathNotFound;
    if (info.isDir()) return rt::PathFileAccessError;
    if (info.exists() && isReadOnly(info)) return rt::PathFileAccessError;
    return 0;
}

void setError(int* errorNumber, int number) {
    if (errorNumber) *errorNumber = number;
}

void raiseOnFailure(int number) { rt::raise(number ? number : rt::PathFileAccessError); }

// What the temporary file of a rewrite adds to its file's name, before six random letters or digits.
const QLatin1String kRewriteMark(".zelvaro-");
constexpr int kRewriteRandomLength = 6;

QString randomLettersAndDigits(int n) {
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString text;
    for (int i = 0; i < n; ++i) text += QLatin1Char(kChars[QRandomGenerator::global()->bounded(62)]);
    return text;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        left -= n;
    }
    return true;
}

// Writes `bytes` to a new file beside `native` (its name followed by kRewriteMark and six random
// letters or digits), keeps the old file's permissions, flushes it to the disk and renames it over
// `native`. A link is followed: the file it points to is replaced. On failure the temporary file goes.
bool rewriteAtomically(const QString& native, const QByteArray& bytes) {
    QString target = native;
    const QFileInfo info(native);
    if (info.isSymLink()) {
        const QString resolved = info.symLinkTarget();
        if (!resolved.isEmpty()) target = resolved;
    }
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool existed = ::stat(targetName.constData(), &old) == 0;
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = QFile::encodeName(target + kRewriteMark + randomLettersAndDigits(kRewriteRandomLength));
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    // A file system that cannot sync (EINVAL) is written all the same.
    bool ok = (!existed || ::fchmod(fd, old.st_mode & 07777) == 0) && writeAll(fd, bytes) &&
              (::fdatasync(fd) == 0 || errno == EINVAL);
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tempName.constData(), targetName.constData()) == 0;
    if (!ok) ::unlink(tempName.constData());
    return ok;
}

QByteArray linesToBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += rt::toGbk(line);
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace

bool readFileBytes(const QString& path, QByteArray& bytes, int* errorNumber) {
    bytes.clear();
    const QString native = nativePath(path);
    const QFileInfo info(native);
    if (!info.exists()) {
        setError(errorNumber, folderOfFileExists(native) ? rt::FileNotFound : rt::PathNotFound);
        return false;
    }
    QFile file(native);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        setError(errorNumber, rt::PathFileAccessError);
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        setError(errorNumber, rt::PathFileAccessError);
        return false;
    }
    return true;
}

bool replaceFileBytes(const QString& path, const QByteArray& bytes, int* errorNumber) {
    const QString native = nativePath(path);
    if (const int obstacle = writeObstacle(native)) {
        setError(errorNumber, obstacle);
        return false;
    }
    if (!rewriteAtomically(native, bytes)) {
        setError(errorNumber, rt::PathFileAccessError);
        return false;
    }
    return true;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    int from = 0;
    while (from < text.size()) {
        int end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0) {
            lines << text.mid(from);
            break;
        }
        int stop = end;
        if (stop > from && text[stop - 1] == QLatin1Char('\r')) --stop;
        lines << text.mid(from, stop - from);
        from = end + 1;
    }
    return lines;
}

QStringList readLines(const QString& path) { return splitLines(readText(path)); }

QString readText(const QString& path) {
    QByteArray bytes;
    int error = 0;
    if (!readFileBytes(path, bytes, &error)) raiseOnFailure(error);
    return rt::fromGbk(bytes);
}

void writeLines(const QString& path, const QStringList& lines) {
    int error = 0;
    if (!replaceFileBytes(path, linesToBytes(lines), &error)) raiseOnFailure(error);
}

void writeText(const QString& path, const QString& text) {
    int error = 0;
    if (!replaceFileBytes(path, rt::toGbk(text), &error)) raiseOnFailure(error);
}

void appendLine(const QString& path, const QString& line) {
    const QString native = nativePath(path);
    if (const int obstacle = writeObstacle(native)) rt::raise(obstacle);
    QByteArray bytes;
    {
        QFile existing(native);
        if (existing.open(QIODevice::ReadOnly) && existing.size() > 0 && existing.seek(existing.size() - 1) &&
            existing.read(1) != "\n")
            bytes += "\r\n";
    }
    QFile file(native);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) rt::raise(rt::PathFileAccessError);
    bytes += rt::toGbk(line);
    bytes += "\r\n";
    if (file.write(bytes) != bytes.size() || !file.flush()) rt::raise(rt::PathFileAccessError);
}

namespace {

// The temporary file of a rewrite (rewriteAtomically): the name of a file of the kinds the program
// rewrites (".txt", ".html", ".htm" and the ".utf8" copies, any case) followed by kRewriteMark and six
// letters or digits.
bool isRewriteLeftover(const QString& name) {
    const int tail = kRewriteMark.size() + kRewriteRandomLength;
    const int n = name.size();
    if (n <= tail || name.midRef(n - tail, kRewriteMark.size()) != kRewriteMark) return false;
    for (int i = n - kRewriteRandomLength; i < n; ++i) {
        if (!rt::isAsciiLetter(name[i]) && !rt::isAsciiDigit(name[i])) return false;
    }
    const QString file = name.left(n - tail);
    if (file.contains(QLatin1Char('\n'))) return false;
    for (const QLatin1String extension :
         {QLatin1String(".txt"), QLatin1String(".html"), QLatin1String(".htm"), QLatin1String(".utf8")}) {
        if (file.size() > extension.size() && file.endsWith(extension, Qt::CaseInsensitive)) return true;
    }
    return false;
}

}  // namespace

QStringList removeInterruptedRewrites(const QString& folder) {
    QStringList removed;
    const QDir dir(nativePath(folder));
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& info : entries) {
        if (!info.isFile() || info.isSymLink() || !isRewriteLeftover(info.fileName())) continue;
        if (QFile::remove(info.filePath())) removed << info.filePath();
    }
    return removed;
}

}  // namespace sys
