#pragma once
// Secondary windows the main window's commands open, in the least form those commands need: each
// loads hidden through the window owner and shows when asked. The settings, visit log, download list
// and picture viewer windows grow into their full form in their own subsystems.
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/web/webbrowser.h"

// The settings window. Switch 3 of the "界面应用" frame mirrors 网页右键 (ticked for "False").
class Form5 : public ui::Form {
public:
    Form5();
    ui::ControlArray<ui::CheckBox> Check1{QStringLiteral("Check1")};
};

// The visit log window.
class Form3 : public ui::Form {
public:
    Form3();
};

// The download list window.
class Form6 : public ui::Form {
public:
    Form6();
};

// The picture viewer: its browser shows a picture; the viewer shows itself once the picture loaded.
class Form2 : public ui::Form {
public:
    Form2();
    web::WebBrowser WebBrowser1{client()};
};
