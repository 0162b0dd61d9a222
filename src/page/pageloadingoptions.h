#pragma once
// The page-loading menu WYJZ of the main menu: WYJZ100 of the menu owner.
//
// - Items 0 to 2 switch the page filters of 应用.txt by the value in the file, never by the mark
//   (the menu's popup recomputes the marks): 0 frame blocking `框架不加载`, 1 script stripping
//   `脚本被删除`, 2 frame stripping `框架被删除`; "0" means on. A flag reading 1 is switched on: "0"
//   is written, then the item's two-line warning shown (exclamation icon, no title). A flag reading
//   any other number is switched off with "1", silently; so is one that is no number (empty or
//   absent included), which the menu shows marked and the filters treat as on. Then frame blocking
//   and the two stripping filters exclude each other: item 0 writes "1" to both stripping flags,
//   items 1 and 2 write "1" to frame blocking, whichever way they went.
// - Items 4 to 6 switch the engine's own switches in the registry by their check mark: pictures
//   (`Display Inline Images` "no"/"yes"), plug-ins and scripts of the Internet zone (values 1200 and
//   1400, 3/0). They take effect at the next start. The mark follows only a write that succeeded.
#include <QString>

class Form1;
class Form4;

class PageLoadingOptions {
public:
    PageLoadingOptions(Form1& f, Form4& f4);

    void WYJZ100_Click(int Index);

    // The warning an item shows when it switches its filter on (items 0 to 2).
    static QString warning(int Index);

private:
    void switchFilter(int Index);
    void switchEngine(int Index);

    Form1& f;
    Form4& m;
};
