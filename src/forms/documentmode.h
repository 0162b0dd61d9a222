#pragma once
// The engine's document mode: the values the setting `IE` may hold, the engine's number for each, and
// the registry value the number goes to (REG_DWORD `Zelvaro浏览器.exe` under the user's
// FEATURE_BROWSER_EMULATION key). Start-up writes it from the setting; the settings window's mode
// list writes the setting and then the number.
#include <QString>

namespace forms {

// The executable's fixed file name, the value name of every feature-control value.
inline const QString kExeName = QStringLiteral("Zelvaro浏览器.exe");

struct DocumentMode {
    const char* setting;  // the text of `IE`, compared exactly
    int number;           // the engine's number for it
};

// "ie7.0" 7000 .. "ie11.9" 11001, then "12001" 12001, which only start-up accepts.
inline constexpr DocumentMode kDocumentModes[] = {
    {"ie7.0", 7000},   {"ie8.0", 8000},   {"ie8.9", 8888},   {"ie9.0", 9000},   {"ie9.9", 9999},
    {"ie10.0", 10000}, {"ie10.9", 10001}, {"ie11.0", 11000}, {"ie11.9", 11001}, {"12001", 12001},
};

// The full path of the document-mode value.
QString documentModeValue();

// Writes `number` into the document-mode value. Raises what the registry raises (a root that refuses
// writes, for one).
void writeDocumentMode(int number);

}  // namespace forms
