#pragma once
// The engine's document mode: the values the setting `IE` may hold, the item of the settings window's
// mode list that stands for each, the engine's number for each, and the registry value the number goes
// to (REG_DWORD `Zelvaro浏览器.exe` under the user's FEATURE_BROWSER_EMULATION key). Start-up writes it
// from the setting; the settings window's mode list writes the setting and then the number.
#include <QString>

namespace forms {

// The executable's fixed file name, the value name of every feature-control value.
inline const QString kExeName = QStringLiteral("Zelvaro浏览器.exe");

struct DocumentMode {
    const char* caption;  // its item in the mode list (UTF-8)
    const char* setting;  // the text of `IE`, compared exactly
    int number;           // the engine's number for it
    // Offered by the mode list, where choosing it writes the setting and the number. A mode not
    // offered is listed last, and only while `IE` holds it; choosing it writes neither.
    bool offered;
};

// "ie7.0" 7000 .. "ie11.9" 11001 in the order of the mode list, then "12001" 12001, which only
// start-up writes.
inline constexpr DocumentMode kDocumentModes[] = {
    {"IE07 默认模式", "ie7.0", 7000, true},    {"IE08 标准模式", "ie8.0", 8000, true},
    {"IE08 强制模式", "ie8.9", 8888, true},    {"IE09 标准模式", "ie9.0", 9000, true},
    {"IE09 强制模式", "ie9.9", 9999, true},    {"IE10 标准模式", "ie10.0", 10000, true},
    {"IE10 强制模式", "ie10.9", 10001, true},  {"IE11 标准模式", "ie11.0", 11000, true},
    {"IE11 强制模式", "ie11.9", 11001, true},  {"新版本", "12001", 12001, false},
};

// The full path of the document-mode value.
QString documentModeValue();

// Writes `number` into the document-mode value. Raises what the registry raises (a root that refuses
// writes, for one).
void writeDocumentMode(int number);

}  // namespace forms
