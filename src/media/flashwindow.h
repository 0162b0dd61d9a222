#pragma once
// The handlers of the Flash pop-out window Form12, made with the window and gone with it.
//
//  - load: icon, caption "Flash播放器", colours from fg.txt (背景0 for the window, the strip and the
//    container; 颜色1 and 字体 for the title and both glyphs), the glyph captions 小化 and 关闭, and
//    minimisable from the taskbar. A colour that is not a number keeps the window's own.
//  - activation: the window goes into the topmost band (place and size kept), every time.
//  - dragging: the left button held over the window, the title strip or the title moves the window
//    with the pointer (forms::dragWindow); a glyph never starts a move.
//  - glyph looks: the pointer on a glyph more than 30 twips below its top gives it the hover look
//    (颜色2 on 颜色3) and puts the other glyph to rest; nearer its top, or on the title or the strip,
//    glyphs go to rest (颜色1, transparent). The colours are read at each move.
//  - minimise glyph: minimises the window and puts the glyph to rest.
//  - close glyph, and Label1_Click(3) called by other parts: the return path. For the popped-out slot
//    (Form1.Command7's tag, its integer part, 2 to 10) the container comes in front of the strip, the
//    slot becomes the front slot, the tag becomes "0", the player window found in the container goes
//    back into the front page window, and the window unloads. A tag outside 2..10 does nothing.
//  - any other close of the window (the window system's) runs the same return path first, so the
//    player is never lost with the window and the slot never stays marked.
//  - mouse lock: a double click on the strip or on any of its labels disables the container ("鼠标左右
//    键[ 禁止 ]", exclamation) or enables it again ("鼠标左右键[ 释放 ]", information).
#include "forms/titleglyphs.h"

class Form12;

class FlashWindow {
public:
    explicit FlashWindow(Form12& w);
    FlashWindow(const FlashWindow&) = delete;
    FlashWindow& operator=(const FlashWindow&) = delete;

    void Form_Load();
    void Form_Activate();
    void Form_MouseMove(int Button, int Shift, double X, double Y);
    void Form_Unload(int& Cancel);
    void Label1_Click(int Index);
    void Label1_DblClick(int Index);
    void Label1_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Picture1_DblClick();
    void Picture1_MouseMove(int Button, int Shift, double X, double Y);

    static constexpr int kMinimise = 1;
    static constexpr int kClose = 3;
    // A glyph shows its hover look only with the pointer further below its top than this, in twips.
    static constexpr double kHoverTop = 30;

private:
    // The return path; `unload` false when the window is unloading already.
    void returnPlayer(bool unload);

    Form12& w;
    forms::TitleGlyphs glyphs_;
    bool returning_ = false;
};
