#pragma once
// The daily tools: the submenu RCGJ of the main menu, RCGJ100 of the menu owner.
//
//   1 计算器       starts the desktop's calculator (a failed start is reported);
//   2 查找         gives the front slot's browser the focus, then opens its find box;
//   3 保存网页     saves the front slot's page (the browser's own save dialog);
//   4 界面左边     the main window to the left half of the screen: width W / 2, height H - 600 twips
//   5 界面右边     ... the right half (the window's minimum size wins over a smaller half);
//   7..10 临时隐藏<A>/<IMG>/<IFRAME>/<OBJECT>: in the front tab's page (never the home page) every
//                 element of that tag is toggled by its own inline visibility: "" becomes "hidden",
//                 anything else "". The tag is each item's own Tag ("a", "img", "iframe", "object").
//
// The front slot is a tab when Label9's caption, compared as text, is greater than "1"; else the
// home page is the target.
class Form1;
class Form4;
namespace web {
class WebBrowser;
}

class DailyTools {
public:
    DailyTools(Form1& f, Form4& f4);

    void RCGJ100_Click(int Index);

private:
    // The browser of the front slot by the text comparison above.
    web::WebBrowser& target();
    void toggleHidden(int Index);

    Form1& f;
    Form4& m;
};
