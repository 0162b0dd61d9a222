#pragma once
// The one path every read and write of a setting takes (files and key names: settingkeys.h).
//
// Every read goes to its file at the moment of the call and every write goes to the file at once;
// nothing is cached. A read passes through the main window's `Text1` (the box holds the last value
// read) once the main window exists. Nothing here traps errors: a caller that converts a value does
// so in its own statement, except through readNumber, which says what a value that is no number
// counts as.
#include "forms/settingkeys.h"

#include <QString>

namespace forms {

// Reads one value ("" when the file or the key is absent). Through the main window's OS once the
// main window exists, straight from the store before.
QString read(Txt file, const QString& name);
inline QString read(const Key& key) { return read(key.file, key.text()); }

// Reads one value as a number at the moment of the call, as rt::toDouble takes it (blanks around it,
// "&H" hexadecimal); a value that is no number (the empty one, a word, "1,5") or one beyond the range
// of a number counts as `whenNoNumber`. Raises nothing: `readNumber(key, 1) == 1` decides as a
// guarded `rt::toDouble(read(key)) == 1` does, and `readNumber(key, 0) == 0` as one with `== 0`.
double readNumber(const Key& key, double whenNoNumber);

// Writes one value; a failed write is silent and leaves the file as it was.
void write(Txt file, const QString& name, const QString& value);
inline void write(const Key& key, const QString& value) { write(key.file, key.text(), value); }

}  // namespace forms
