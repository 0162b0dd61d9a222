#pragma once
// The main window: every control with its index and its state at creation, the window-level
// variables, and the public procedures other windows call. Handlers do not live here: the subsystem
// objects set them on the controls.
#include "forms/hintbars.h"
#include "forms/jobtable.h"
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"
#include "platform/web/document.h"
#include "platform/web/documentsink.h"
#include "platform/web/webbrowser.h"
#include "platform/web/webbrowserarray.h"

#include <QString>

namespace forms {
struct Key;
}

class Form1 : public ui::Form {
public:
    Form1();
    ~Form1() override;

    // --- controls, in the order the window creates them -----------------------------------------
    ui::ControlArray<ui::CommandButton> Command2{QStringLiteral("Command2")};  // 11..21, hot-key commands
    ui::TextBox Text7{client(), ui::TextBox::whenNeeded};  // the address box (hidden until asked for)
    ui::ListBox List1{client()};                                                 // lines of the navigation page
    ui::CommandButton Command7{client()};                                        // Flash button; tag: popped-out slot
    ui::PictureBox Picture34{client()};                                          // hidden container
    ui::ControlArray<ui::Timer> Timer4{QStringLiteral("Timer4")};                // 0..10, delayed jobs (jobtable.h)
    ui::CommandButton Command11{Picture34.container()};  // element-list worker
    ui::CommandButton Command10{Picture34.container()};  // re-attach the front-tab document
    ui::CommandButton Command9{Picture34.container()};   // show the source window
    ui::CommandButton Command8{Picture34.container()};   // link hint bar; tag: frame-blocking counter
    ui::CommandButton Command3{Picture34.container()};   // default navigation page
    ui::CommandButton Command4{Picture34.container()};   // document menu
    ui::CommandButton Command58{Picture34.container()};  // tab strip layout for eight tabs
    ui::CommandButton Command39{Picture34.container()};  // tab strip layout
    ui::CommandButton Command1{Picture34.container()};   // the go command
    ui::CommandButton Command12{Picture34.container()};  // visit record
    web::WebBrowser WebBrowser22{Picture34.container()};  // second browser; unused: new windows go straight to their tab
    ui::Label Label9{Picture34.container()};             // caption: front slot
    ui::Label Label13{Picture34.container()};            // tag: the search words
    ui::Label Label1{Picture34.container()};             // caption: the link under the pointer
    ui::CommandButton Command24{client()};               // opens a new tab
    ui::TextBox Text1{client(), ui::TextBox::whenNeeded};  // the last value read from the settings
    web::WebBrowserArray WebBrowser1{QStringLiteral("WebBrowser1")};  // 1 home slot; 2..10 tabs
    ui::ControlArray<ui::Image> Image1{QStringLiteral("Image1")};                  // 1; 2..10 tab icons
    ui::ControlArray<ui::Label> Label2{QStringLiteral("Label2")};  // 0 title, 1..3 glyphs, 4 address label
    ui::ControlArray<ui::Line> Line1{QStringLiteral("Line1")};     // 1 top, 2 left, 3 bottom, 4 right
    ui::ControlArray<ui::Label> lv{QStringLiteral("lv")};          // 2..10 tab labels
    ui::ControlArray<ui::Shape> Shape2{QStringLiteral("Shape2")};  // 0 address frame, 1..3 glyph frames
    ui::ControlArray<ui::Label> Label6{QStringLiteral("Label6")};  // 0..1 the Flash object box

    // The least width of the title glyphs Label2(1) to Label2(3), twips.
    static constexpr double kGlyphWidth = 405;

    // --- window-level variables -----------------------------------------------------------------
    QString lastHoveredLink;  // last status text holding "http"; never cleared
    int noRefresh = 0;        // not 0: the layout pass skips its repaint request
    int backFlags[11] = {};   // 1 when slot k's browser can go back
    int forwardFlags[11] = {};
    int downloadPending = 0;  // 1 after a download began: the next move over the page closes the tab
    int downloadPendingSlot = 0;  // the tab (2..10) the flag was armed for; only that tab closes
    int hintOpenMode = 0;     // 1: the link hint says "new tab"; 0: "replace"
    forms::HintBars hintBars;  // the link hint bars the program put into pages, kept by reference
    forms::JobBodies jobs;     // the bodies of the delayed jobs of Timer4, set by their owners (forms/jobs.h)

    // --- public procedures ----------------------------------------------------------------------
    // The refusal for an action on the popped-out slot.
    void FlashMsg();
    void SETYIDONG(int J1, int J2);
    void Zelvaro窗口(int J1, int J2, int J3);
    void SENDV(int h9, int xingwei, int dongzuo, int kong);
    void CAO(int C1, int C2, int C3, int C4, int C5, int C6, int C7);
    // Reads one setting; the value passes through Text1.
    QString OS(const QString& txt, const QString& jiedian, const QString& jianzhi);
    // The page window of the browser lying on top in this window, or 0.
    int zvllq9();
    QString ge1();
    QString ge2();
    QString bg1();
    QString bg2();
    QString j();
    QString youyi();
    // One key read through OS.
    QString read(const forms::Key& key);
    // The click handler of the tab labels, called by name: makes the slot the front slot. An error
    // inside it ends it and does not reach the caller.
    void lv_Click(int Index);
    // The click handler of Label13, called by name: runs the search for the words in its tag.
    void Label13_Click();

    // The document connections: the home slot's document and the front tab's document. Setting one to a
    // document attaches it (a null document detaches it); each handler of a connection is set once, by
    // the class that owns it. `M_Dom.document()` is the attached document (null when there is none or
    // it was replaced).
    web::DocumentSink M_Dom;
    web::DocumentSink ORIBERISA;
    void setM_Dom(const web::Document& doc) { M_Dom.attach(doc); }
    void setORIBERISA(const web::Document& doc) { ORIBERISA.attach(doc); }

    // Title glyph k (1 to 3) takes the width its caption needs in its font, never less than
    // kGlyphWidth; its place and height stay (the layout places the glyphs by their widths).
    void fitGlyph(int k);

    // The window handle of the main window.
    int hWnd();
    // Whether a tab (not the home slot) is in front: the front slot compared as text with "1", so "10"
    // is a tab and "", "0" and "1" are the home slot.
    bool frontIsTab() const;

    // The subsystem objects that set the handlers of this window's controls are held by the program,
    // made once the controls exist.
};
