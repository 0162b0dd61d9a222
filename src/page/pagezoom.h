#pragma once
// Page zoom: the zoom menu WYSF of the main menu, WYSF100 of the menu owner. The zoom is the inline
// style `zoom` of the body of the front slot's page (the home page when it is in front); it belongs
// to the document shown and is gone with it.
//
// - Items 1 to 7 ("300%" ... "70%") set their fixed factor and form a radio group: the chosen one is
//   marked and disabled, the other six unmarked and enabled. The marks are the menu's, one set for the
//   whole program (start-up marks 100%).
// - Item 8 ("？") clears the marks, then asks "数字越大网页越大" (title "网页缩放"): an answer of fewer
//   than 2 characters (Cancel included) does nothing more, more than 3 is refused with
//   "最小2位数，最多3位数", else the answer as typed followed by "%" is the zoom.
// - With the front slot popped out, every item is refused with "窗口独立运行中，不能缩放" and changes
//   nothing, marks included.
#include <QString>

class Form1;
class Form4;

class PageZoom {
public:
    PageZoom(Form1& f, Form4& f4);

    void WYSF100_Click(int Index);

private:
    void zoom(const QString& value);

    Form1& f;
    Form4& m;
};
