#pragma once
// The visit log window's handlers (Form3): load (icon, the list filled from the file newest first),
// size (the list fills the window below the buttons), drag by the body, a list click hands the focus
// to Text1, a double-click presses 浏览, and the three buttons:
//   1 清空  asks "清空" (Yes/No); Yes empties the list and the file (a file that cannot be emptied is
//           said: "清空失败，文件不能写入：" and the file);
//   2 复制  the address of the selected line on the clipboard, then "OK";
//   3 浏览  the address of the selected line in a new tab (the frame-blocking counter "0", the main
//           window restored and focused).
// 复制 and 浏览 need one selected line longer than 9 characters holding an address; otherwise they
// refuse ("请点击一条连接，再点复制按钮" / "...浏览按钮") and change nothing.
#include <QString>

class Form3;

class VisitLogWindow {
public:
    explicit VisitLogWindow(Form3& w);
    VisitLogWindow(const VisitLogWindow&) = delete;
    VisitLogWindow& operator=(const VisitLogWindow&) = delete;

    void Form_Load();
    void Form_Resize();
    void Form_MouseMove(int Button);
    void List1_Click();
    void List1_DblClick();
    void Command1_Click(int Index);

private:
    void clear();
    void copy();
    void open();
    // The address of the selected line; empty (after the refusal `message`) when there is none.
    QString selectedAddress(const QString& message);

    Form3& w;
};
