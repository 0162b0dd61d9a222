#pragma once
// The head and body views of the document menu (`html100` 2 and 3; 1 starts the element list) and
// `Command9`, which shows the source window (brought back when visible, else placed at a third of the
// screen) and brings it to the front with the focus in its browser. The views themselves: views.h.
#include <QString>

class Form1;
class Form4;

class PageViews {
public:
    PageViews(Form1& f, Form4& f4);

    void html100_Click(int Index);
    void Command9_Click();

    void headView();
    void bodyView();

private:
    Form1& f;
};
