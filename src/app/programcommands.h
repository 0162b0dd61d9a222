#pragma once
// The program commands of the main menu's last group, items 1 to 4 of `GB`: restart, exit, about and
// settings. Exit and settings press the main window's hot-key buttons, so the menu does exactly what
// the close glyph and the hot keys do.
class Form1;
class Form4;

class ProgramCommands {
public:
    // Sets the handler of the `GB` items.
    ProgramCommands(Form1& f, Form4& menus);

    void GB_Click(int Index);

    // Starts the program's executable anew and ends this process once the new one is running. When
    // it cannot be started, says so and keeps running with every tab open.
    void restart();

private:
    Form1& f_;
};
