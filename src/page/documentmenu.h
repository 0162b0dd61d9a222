#pragma once
// The document menu: the program's own context menu of a tab's page, WDYJ of the menu owner, popped
// up by `Command4` (the front tab's context menu presses it) at the pointer. Before each popup:
//  1, 2  后退 / 前进 enabled by the front slot's back and forward flags;
//  3     查看图片 enabled when the context element (the element the menu was asked for on) has a src;
//  4     the link items (复制, 标签打开, 直接打开, 悄悄打开, ie打开) enabled when Label1's caption begins with
//        "http" (that case exactly); otherwise 复制 only with a selection in the page;
//  5     复制搜索 enabled when there are search words (Label13's tag);
//  then the captions: the nine form-fill items from `\txt\填空.txt`, the others from `\txt\右键.txt`
//  (CNA01..CNA14, CNA16, CNA17). The chosen item's handler runs before the popup returns, still inside
//  the page's context-menu event, so the items find the context element in the page's current event.
class Form1;
class Form4;

class DocumentMenu {
public:
    DocumentMenu(Form1& f, Form4& f4);

    void Command4_Click();

private:
    Form1& f;
    Form4& m;
};
