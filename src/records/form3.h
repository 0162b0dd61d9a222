#pragma once
// The visit log window (caption "网页"): `List1` mirrors `\txt\liulan.txt` newest record first; the
// buttons Command1(1) 清空, (2) 复制, (3) 浏览; `Text1` lies under the list and only takes the focus
// from it. The window is loaded hidden by the first record of a run, so its list is current whether
// or not it is on screen. Its handlers are VisitLogWindow's (visitlogwindow.h); the record step is
// VisitLog's (visitlog.h).
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

#include <QString>

class Form3 : public ui::Form {
public:
    Form3();

    ui::ControlArray<ui::CommandButton> Command1{QStringLiteral("Command1")};  // 1 清空, 2 复制, 3 浏览
    ui::ListBox List1{client()};
    ui::TextBox Text1{client()};

    int hWnd();

    // The visit log file beside the executable.
    static QString logFile();
};
