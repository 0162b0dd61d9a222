#pragma once
// Settings as the tests look at them: straight from the files of the program folder, never through
// the main window (a read of the program passes through its Text1; a test's look must not).
#include "forms/settings.h"
#include "platform/sys/inifile.h"

#include <QString>

inline QString storedText(forms::Txt file, const QString& key) {
    return sys::getProfileString(forms::txtPath(file), forms::kSection, key);
}
inline void storeText(forms::Txt file, const QString& key, const QString& value) {
    sys::writeProfileString(forms::txtPath(file), forms::kSection, key, value);
}
inline QString storedSetting(const QString& key) { return storedText(forms::Txt::App, key); }
inline QString storedFgSetting(const QString& key) { return storedText(forms::Txt::Fg, key); }
inline void storeSetting(const QString& key, const QString& value) { storeText(forms::Txt::App, key, value); }
inline void storeFgSetting(const QString& key, const QString& value) { storeText(forms::Txt::Fg, key, value); }
