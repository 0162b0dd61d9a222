#pragma once
// The settings window, in the least form the main window's commands need until it is built in full:
// switch 3 of the "界面应用" frame mirrors 网页右键 (ticked for "False").
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

class Form5 : public ui::Form {
public:
    Form5();
    ui::ControlArray<ui::CheckBox> Check1{QStringLiteral("Check1")};
};
