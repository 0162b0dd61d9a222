#pragma once
// The edit menu of the favorites window, `bianji` of the menu owner Form14, popped up by a right click
// on the favorites page (FavoritesPage). Its items act on the element that was right-clicked (the
// record link it lies in), read from the page's event still in progress: the link's title is the
// record's address, its text the record's text, its id the record's id.
//
//   0 连接复制  puts the address on the clipboard
//   1 直接打开  opens the address in the front tab (refused for the popped-out slot and the home slot)
//   2 标题      changes the record's text (no ".", at least 2 characters)
//   3 连接      changes the record's address (at least 4 characters)
//   4 删除      deletes the record after a Yes
//   6, 7, 8     set 时间颜色, 网址颜色, 目标颜色 of `\txt\fg.txt` (at least 3 characters); the first two
//               reload the page, the hover reads the third each time
//   any other   reloads the page
//
// A record is found by its id piece only (FavoriteRecord::indexOfId), and a change rewrites only that
// record's own piece through FavoriteRecord, escaped: what a user types stays text on the page and
// the rest of the line is left as it was. Older unescaped lines are read as they stand and written
// back escaped.
#include <QString>

class Form14;

class FavoritesMenu {
public:
    // Sets the click handler of Form14's bianji100 items.
    explicit FavoritesMenu(Form14& m);
    FavoritesMenu(const FavoritesMenu&) = delete;
    FavoritesMenu& operator=(const FavoritesMenu&) = delete;

    void bianji100_Click(int Index);

    static const QString kPoppedOut;       // "窗口独立运行中，不能直接打开"
    static const QString kNoTabInFront;    // "没有正在浏览的标签，不能直接打开"
    static const QString kNoDotInTitle;    // "标题不允许[ . ]符号"
    static const QString kTitleTooShort;   // "最少2个字"
    static const QString kTitleNotFound;   // "修改失败，标题可能包含无法识别的字符"
    static const QString kAddressTooShort; // "最少4个字"
    static const QString kAddressNotFound; // "修改失败，连接可能包含无法识别的字符"
    static const QString kColourTooShort;  // "最少3个字"
    static const QString kNotWritten;      // "修改失败，文件不能写入：" and the file

private:
    Form14& m;
};
