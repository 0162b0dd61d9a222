#include "platform/sys/settingsfile.h"

#include "platform/rt/error.h"
#include "platform/rt/gbk.h"
#include "platform/sys/inifile.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"

namespace sys {
namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

bool isAscii(const QByteArray& bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool isAscii(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// The text of UTF-8 bytes without a byte-order mark.
QString utf8Text(const QByteArray& bytes) {
    const QByteArray body = bytes.startsWith(kUtf8Mark) ? bytes.mid(kUtf8Mark.size()) : bytes;
    return QString::fromUtf8(body.constData(), body.size());
}

}  // namespace

bool isValidUtf8(const QByteArray& bytes) {
    const int n = bytes.size();
    const auto at = [&](int i) { return static_cast<unsigned char>(bytes[i]); };
    const auto cont = [&](int i) { return i < n && (at(i) & 0xC0) == 0x80; };
    for (int i = 0; i < n;) {
        const unsigned char b = at(i);
        if (b < 0x80) {
            ++i;
        } else if (b >= 0xC2 && b <= 0xDF) {
            if (!cont(i + 1)) return false;
            i += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            if (!cont(i + 1) || !cont(i + 2)) return false;
            const unsigned char b1 = at(i + 1);
            if (b == 0xE0 && b1 < 0xA0) return false;  // overlong
            if (b == 0xED && b1 >= 0xA0) return false;  // a surrogate
            i += 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            if (!cont(i + 1) || !cont(i + 2) || !cont(i + 3)) return false;
            const unsigned char b1 = at(i + 1);
            if (b == 0xF0 && b1 < 0x90) return false;  // overlong
            if (b == 0xF4 && b1 >= 0x90) return false;  // past U+10FFFF
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

bool isUtf8Settings(const QByteArray& bytes, const QString& section, const QStringList& keys) {
    if (isAscii(bytes) || !isValidUtf8(bytes)) return false;
    const QByteArray asGbk = rt::toGbk(utf8Text(bytes));
    bool holdsAsUtf8 = false;
    for (const QString& key : keys) holdsAsUtf8 = holdsAsUtf8 || hasProfileKey(asGbk, section, key);
    if (!holdsAsUtf8) return false;
    for (const QString& key : keys)
        if (!isAscii(key) && hasProfileKey(bytes, section, key)) return false;
    return true;
}

bool isUtf8Record(const QByteArray& bytes) {
    if (isAscii(bytes) || !isValidUtf8(bytes)) return false;
    if (bytes.startsWith(kUtf8Mark)) return true;
    // A lead byte of a three- or four-byte sequence; the bytes are valid UTF-8, so it starts one.
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0xE0) return true;
    return false;
}

QString utf8CopyOf(const QString& file) { return nativePath(file) + QStringLiteral(".utf8"); }

namespace {

// Reads a program file and converts it to GBK when `isUtf8` says its bytes are UTF-8: the original
// first goes to its ".utf8" copy, so that a failure never leaves the user without it. `fine` is what
// a file that is not converted is.
template <class IsUtf8, class Fine>
SettingsFileState convertWhenUtf8(const QString& file, IsUtf8 isUtf8, Fine fine) {
    QByteArray bytes;
    int error = 0;
    if (!readFileBytes(file, bytes, &error))
        return error == rt::FileNotFound ? SettingsFileState::Missing : SettingsFileState::Unreadable;
    if (!isUtf8(bytes)) return fine(bytes);
    if (!replaceFileBytes(utf8CopyOf(file), bytes)) return SettingsFileState::NotConverted;
    if (!replaceFileBytes(file, rt::toGbk(utf8Text(bytes)))) return SettingsFileState::NotConverted;
    return SettingsFileState::Converted;
}

}  // namespace

SettingsFileState checkSettingsFile(const QString& file, const QString& section, const QStringList& keys) {
    return convertWhenUtf8(
        file, [&](const QByteArray& bytes) { return isUtf8Settings(bytes, section, keys); },
        [&](const QByteArray& bytes) {
            return hasProfileSection(bytes, section) ? SettingsFileState::Fine : SettingsFileState::NoSection;
        });
}

SettingsFileState checkRecordFile(const QString& file) {
    return convertWhenUtf8(file, isUtf8Record, [](const QByteArray&) { return SettingsFileState::Fine; });
}

}  // namespace sys
