#pragma once
// The main window's background presses: the left button sets the no-refresh flag, the right button
// prepares the main menu of the menu owner (captions, the colour scheme and margin marks, the
// page-filter marks, the search engine items) and pops it up at the pointer. Also the history group
// of the main menu.
class Form1;
class Form4;

class MainMenu {
public:
    // Sets Form1's background mouse-press handler and the handler of Form4's LISHI items.
    MainMenu(Form1& f, Form4& m);

    void Form_MouseDown(int Button, int Shift, double X, double Y);
    void LISHI_Click(int Index);

private:
    void prepareMainMenu();

    Form1& f;
    Form4& m;
};
