#pragma once
// The page engine's registry settings, written at every start: the check marks of the page-loading
// menu's three engine switches, the document mode chosen in the settings, six fixed feature-control
// values, and the program's own class key with its open command, which the default-browser
// association points the http and https links to.
#include "forms/documentmode.h"

#include <QString>

class Form4;

namespace app {

// The executable's fixed file name, the value name of every feature-control value.
using forms::kExeName;

// The open command of the program: a double quote, the executable's real path, a double quote and
// "%1" with no blank before it. The same text is written under the class key at start, written for
// http and https by the association, and looked for by the default-browser check.
QString openCommand();

}  // namespace app

class EngineSettings {
public:
    explicit EngineSettings(Form4& menus);

    // Reads the engine switches into the menu marks and the browser layer, then writes the
    // feature-control values and the open command. Each read and each write stands alone: one that
    // fails (a value that is absent, a root the user may not write) is skipped and the next is tried.
    void apply();

private:
    Form4& menus_;
};
