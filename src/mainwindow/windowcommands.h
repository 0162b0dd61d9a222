#pragma once
// The window-level commands of the main window: the hot-key buttons Command2(11) to Command2(21)
// (settings window, typed search, page-menu switch, the three record windows, own maximise and
// restore, minimise, the exit sequence, the skin picture, the picture-drop window), the double-click
// on the window background, a picture dropped on the window, and the window manager's close request,
// which runs the exit sequence like the close glyph.
//
// Other code runs a command by pressing its button; the Alt access key of a button's caption presses
// it from the keyboard.
#include <QRect>
#include <QString>
#include <QStringList>

class Form1;

namespace ui {
class Form;
}

class WindowCommands {
public:
    // Sets the handlers of Form1's Command2 array, its double-click, its file drop and its close request.
    explicit WindowCommands(Form1& f);

    void Command2_Click(int Index);
    void Form_DblClick();
    void Form_OLEDragDrop(const QStringList& files);
    // The window manager asks to close the main window (its title-bar close, Alt+F4): the exit sequence
    // runs; the window itself never closes except by the end of the process.
    void Form_QueryUnload(int& cancel);

    // Where the own maximise puts the window: the work area, or the whole screen when the work area
    // is empty. Twips.
    static QRect maximisedRect(const QRect& workArea, const QRect& screen);

private:
    void showWindow(int Index);
    void typedSearch();
    void switchPageMenu();
    void ownMaximise();
    void exitSequence();
    void endProcess();
    void applySkin();
    void openDropPicture();

    Form1& f;
};
