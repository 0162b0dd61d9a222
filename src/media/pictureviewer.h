#pragma once
// The handlers of the picture viewer Form2, made with the window and gone with it.
//
//  - load: icon, caption "图片", the window colour, the labels' text colour and font, the glyph
//    captions "　︹　" and "　Ⅹ　", minimisable from the taskbar. Loading shows nothing.
//  - a completed page (while the browser is idle): the connection CL, the size text of the picture
//    (its file size in KB, see sizeText) in Label1(0), the window sized to the picture (narrow
//    pictures, below 5000 twips, get wider margins), a hidden window placed at a third of the screen
//    and shown, a visible one restored, focused and resized in place; the title row and the browser
//    laid out; no body border; the picture menu's 保存图片 and 可视图片 enabled again.
//  - minimise (the minimise glyph, a double click on the page, the size text or the window): the
//    viewer minimises and the focus goes to the main window, its address box and then the browser of
//    the front slot (the home slot's when the home slot is in front).
//  - close glyph (and Label1_Click(3)): unloads the viewer while the picture list is shown, else hides
//    it (its page stays).
//  - dragging: a left-button move over the page or the window, or a left press on the size text,
//    moves the window with the pointer (forms::dragWindow); the first click after it acts.
//  - glyph looks: the pointer on a glyph 50 twips or more below its top highlights it and rests the
//    other one; nearer its top it rests that glyph; the size text and the window rest both.
//  - the page: a right click pops up the picture menu (never the engine's), a double click minimises,
//    nothing can be dragged out of it.
#include "forms/titleglyphs.h"
#include "platform/web/document.h"

#include <QString>

class Form2;

class PictureViewer {
public:
    explicit PictureViewer(Form2& w);
    PictureViewer(const PictureViewer&) = delete;
    PictureViewer& operator=(const PictureViewer&) = delete;

    void Form_Load();
    void Form_DblClick();
    void Form_MouseMove(int Button, int Shift, double X, double Y);
    void Label1_Click(int Index);
    void Label1_DblClick(int Index);
    void Label1_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void Label1_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void WebBrowser1_DocumentComplete();
    bool CL_oncontextmenu(const web::DocumentEvent& event);
    bool CL_ondblclick(const web::DocumentEvent& event);
    bool CL_ondragstart(const web::DocumentEvent& event);
    bool CL_onmousemove(const web::DocumentEvent& event);

    // The size text of a quotient of bytes by 1024: the number with "." as decimal point, cut after
    // two decimals (not rounded) while its whole part has at most four digits, "0" put before a text
    // that begins with the point, then "KB". 2 -> "2KB", 12.0556640625 -> "12.05KB".
    static QString sizeText(double kilobytes);

    static constexpr int kMinimise = forms::TitleGlyphs::kMinimise;
    static constexpr int kClose = forms::TitleGlyphs::kClose;
    // A glyph shows its hover look only with the pointer at least this far below its top, in twips.
    static constexpr double kHoverTop = 50;
    // Pictures narrower than this (in twips) get the wide margins.
    static constexpr double kNarrow = 5000;

private:
    Form2& w;
    forms::TitleGlyphs glyphs_;
};
