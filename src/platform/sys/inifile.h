#pragma once
// The INI store of the program's settings and shipped texts.
//
// Files are GBK text made of section lines ("[name]") and key lines ("key=value"); a line ends with
// CR LF, LF or CR alone:
// - section and key names are compared without regard to letter case, with blanks around them ignored;
// - blanks around a value are dropped, and a value in matching quotes (single or double) is returned
//   without them;
// - the first of duplicate keys (and of duplicate sections) wins; lines without "=" are ignored;
// - a read gives at most 665 bytes in GBK, cut before a double-byte character that would be split,
//   and ends at the first NUL; an absent file, section or key reads as "".
// A write replaces the value of the key where it stands (the line keeps its line end), adds a new key
// at the end of its section and a new section at the end of the file (creating the file), each new
// line ending with CR LF, and keeps every other line byte for byte. An empty value is written as
// "key="; a value ends at its first NUL, and CR and LF are removed from it, which would break the line.
// Section and key names are cleaned the same way on reads and writes (they end at their first NUL and
// lose CR and LF), so a name reads back what was written under it.
// Characters outside GBK are stored as the codec's replacement. The file is rewritten whole and
// atomically; a write that fails (missing folder, read-only file) leaves it as it was and is silent.
#include <QByteArray>
#include <QString>

namespace sys {

// The longest value a read gives, in GBK bytes.
constexpr int kProfileValueBytes = 665;

QString getProfileString(const QString& file, const QString& section, const QString& key);
void writeProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value);

// The same rules on the bytes of a file: the value a read gives, whether the section (and the key in
// it, with any value) is there, and the bytes after a write (the bytes as they were when the section or
// key name is empty).
QString profileStringIn(const QByteArray& bytes, const QString& section, const QString& key);
bool hasProfileSection(const QByteArray& bytes, const QString& section);
bool hasProfileKey(const QByteArray& bytes, const QString& section, const QString& key);
QByteArray withProfileString(const QByteArray& bytes, const QString& section, const QString& key,
                             const QString& value);

// How many times this process has written the key (names compared as above), whatever the value and
// whether or not the file took it: lets code tell whether anybody wrote a key since it last looked.
unsigned long long profileWriteCount(const QString& file, const QString& section, const QString& key);

}  // namespace sys
