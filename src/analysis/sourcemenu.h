#pragma once
// The source menu `Form14.yuanmayj` (popped up by the source window's right click, sourcewindow.h):
// 1 copies the view's selection, 2 opens the view file in the text editor.
class Form14;

class SourceMenu {
public:
    explicit SourceMenu(Form14& m);

    void yuanmayj100_Click(int Index);

private:
    Form14& m;
};
