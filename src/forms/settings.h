#pragma once
// The one path every read and write of a setting takes (files and key names: settingkeys.h).
//
// Every read goes to its file at the moment of the call and every write goes to the file at once;
// nothing is cached. A read passes through the main window's `Text1` (the box holds the last value
// read) once the main window exists. Nothing here traps errors: a caller that converts a value does
// so in its own statement.
#include "forms/settingkeys.h"

#include <QString>

namespace forms {

// Reads one value ("" when the file or the key is absent). Through the main window's OS once the
// main window exists, straight from the store before.
QString read(Txt file, const QString& name);
inline QString read(const Key& key) { return read(key.file, key.text()); }

// Writes one value; a failed write is silent and leaves the file as it was.
void write(Txt file, const QString& name, const QString& value);
inline void write(const Key& key, const QString& value) { write(key.file, key.text(), value); }

}  // namespace forms
