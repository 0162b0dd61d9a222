#pragma once
// The handlers of the two document connections of the main window (Form1::M_Dom, the home page, and
// Form1::ORIBERISA, the front tab's page). A handler's result lets the engine's own action go ahead
// (true) or cancels it (false); handlers with nothing to decide let it go ahead.
//
// Home page:
//  - key down: F5 restarts the job HomeRefresh (registered here: a second after the last F5 it
//    switches its own timer off, then presses the skin command Command2(20) and the hint bar's
//    Command8);
//  - mouse over: the hint open mode becomes 1;
//  - context menu: the frame-blocking counter "0"; over a tile (an id holding "Tavrolin") the tile
//    editor menu BJDH pops up with its captions CND01..CND11 and item 7 enabled only for a built-in
//    tile ("TavrolinOK"), and no other menu; elsewhere the engine's menu only when 网页右键 is True;
//  - drag start: always refused.
//  (The click is the default browser's, src/app/defaultbrowser.*.)
// Front tab:
//  - key down: F5 arms the job HintRearm (a single start) when 连接提示 is 1 or no number, and brings a
//    popped-out player of any tab back;
//  - mouse move: after a download, closes the tab the download-pending flag was armed for, when that
//    tab (2 to 10) is the one in front; the flag is cleared either way;
//  - selection change: a non-empty selection becomes the search words (Label13's tag);
//  - context menu: the counter "0"; the engine's menu when 网页右键 is True, else the document menu
//    (Command4);
//  - drag start, select start, wheel: 禁止拖拽, 禁止选中, 禁止滚轮 as truth values (refused when a
//    value does not convert); the wheel first hides a visible Flash button, else brings the front
//    slot's popped-out player back;
//  - click: goes ahead; hides the address box, the counter "0", the Flash button to the back, and the
//    about box's close caption (fg7_label) removes the about box;
//  - mouse over: the hint open mode from the element's link target (1 for a target of two or more
//    characters), then the Flash detection.
//  (The double-click is the page views', src/analysis/.)
#include "platform/web/document.h"

class Form1;
class Form4;

class DocumentSinks {
public:
    // Sets the handlers of both connections listed above and the body of the job HomeRefresh.
    DocumentSinks(Form1& f, Form4& f4);
    DocumentSinks(const DocumentSinks&) = delete;
    DocumentSinks& operator=(const DocumentSinks&) = delete;

    bool M_Dom_onkeydown(const web::DocumentEvent& event);
    bool M_Dom_onmouseover(const web::DocumentEvent& event);
    bool M_Dom_oncontextmenu(const web::DocumentEvent& event);
    bool M_Dom_ondragstart(const web::DocumentEvent& event);

    bool ORIBERISA_onkeydown(const web::DocumentEvent& event);
    bool ORIBERISA_onmousemove(const web::DocumentEvent& event);
    bool ORIBERISA_onselectionchange(const web::DocumentEvent& event);
    bool ORIBERISA_oncontextmenu(const web::DocumentEvent& event);
    bool ORIBERISA_ondragstart(const web::DocumentEvent& event);
    bool ORIBERISA_onselectstart(const web::DocumentEvent& event);
    bool ORIBERISA_onmousewheel(const web::DocumentEvent& event);
    bool ORIBERISA_onclick(const web::DocumentEvent& event);
    bool ORIBERISA_onmouseover(const web::DocumentEvent& event);

    // The body of the job HomeRefresh.
    void homeRefresh();

private:
    // The Flash button's detection over the element under the pointer (media/flashpopout.h): it
    // follows the hint open mode in the front tab's mouse over.
    void detectFlash(const web::DocumentEvent& event);

    Form1& f;
    Form4& m;
};
