#pragma once
// The actions of the document menu (documentmenu.h) on the front slot's page, handlers of the menu
// owner's item arrays:
//   WDYJ100  1 后退, 2 前进 (refused with FlashMsg on the popped-out slot), 3 复制 (the selection;
//            without one, the link offered in an input box "连接" / "复制": OK puts the text on the
//            clipboard, Cancel or an empty answer leaves it as it was), 4 粘贴, 5 查看图片 (the
//            context element's picture into the picture viewer);
//   SX100    1 网页顶部, 2 重新加载 (refused on the popped-out slot; always reloads, the job HintRearm
//            started when 连接提示 is 1 or no number), 3 网页底部 (a popped-out player first comes
//            back; scrolls to the page's real end);
//   GIS100   1 关闭标签 (the tab menu's close on the front slot), 2 ie打开 (the link in another
//            browser), 3 复制搜索 (the search for the search words).
class Form1;
class Form4;

class DocumentMenuActions {
public:
    DocumentMenuActions(Form1& f, Form4& f4);

    void WDYJ100_Click(int Index);
    void SX100_Click(int Index);
    void GIS100_Click(int Index);

private:
    // Whether the front slot's Flash player is popped out.
    bool frontPoppedOut();

    Form1& f;
    Form4& m;
};
