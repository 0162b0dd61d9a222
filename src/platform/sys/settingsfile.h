#pragma once
// A settings file of the program folder as a user's editor may have left it.
//
// The settings files are GBK (see inifile.h). Editors on Linux save UTF-8, and a file saved so reads
// every key that is not plain ASCII as absent. At start the program looks at each settings file once:
// - a file that is valid UTF-8 (a byte-order mark allowed), not plain ASCII, and holds the program's
//   keys only when read as UTF-8 is converted back to GBK; the file as it was is kept beside it with
//   the suffix ".utf8" (an older copy of that name is replaced). "Only when read as UTF-8": read so,
//   the section holds at least one of the keys given, and read as GBK, it holds none of those whose
//   names are not plain ASCII (a file whose names are all plain ASCII is judged by its bytes alone);
// - a file that cannot be read, or that lacks the section, is reported as such and left as it is;
// - an absent file is left to the store's rule (it reads as empty).
// Characters of the UTF-8 file that GBK cannot hold become "?" in the converted file; the ".utf8" copy
// keeps them.
//
// The record files (the navigation page, the favorites list, the download list, the visit log) are GBK
// text too and are converted the same way, with the same ".utf8" copy. They have no keys, so their
// bytes tell: valid UTF-8, not plain ASCII, and a byte-order mark or at least one character of three or
// four bytes (from U+0800 on: Chinese, Japanese, Hangul, emoji). A GBK file practically never reads so;
// a file whose only other characters are two-byte ones (accents) is as likely GBK and is left as it is.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sys {

enum class SettingsFileState {
    Fine,          // GBK (or plain ASCII) with the section; a record file: not UTF-8
    Missing,       // no such file
    Converted,     // was UTF-8, now GBK; the original is `utf8CopyOf(file)`
    NotConverted,  // is UTF-8, but the file or its copy could not be written: left as it was
    Unreadable,    // there, but cannot be read (a folder, no permission, a read error)
    NoSection,     // read, but without the section (settings files only)
};

// Looks at one settings file and converts it when it is UTF-8 (see above). `keys` are names of keys
// the program reads from it.
SettingsFileState checkSettingsFile(const QString& file, const QString& section, const QStringList& keys);

// Looks at one record file and converts it when it is UTF-8 (see above). Never gives NoSection.
SettingsFileState checkRecordFile(const QString& file);

// Where the UTF-8 original of a converted file is kept: the file's native path with ".utf8".
QString utf8CopyOf(const QString& file);

// True when the bytes are UTF-8 by the strict rules: no overlong forms, no surrogates, nothing past
// U+10FFFF, no sequence cut off.
bool isValidUtf8(const QByteArray& bytes);

// True when the bytes of a settings file should be converted by the rule above.
bool isUtf8Settings(const QByteArray& bytes, const QString& section, const QStringList& keys);

// True when the bytes of a record file should be converted by the rule above.
bool isUtf8Record(const QByteArray& bytes);

}  // namespace sys
