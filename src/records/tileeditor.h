#pragma once
// The tile editor: the items of the menu `BJDH` "编辑导航" of the menu owner, which the home page's
// right click pops up over an element whose id contains `Tavrolin`. The menu runs inside that
// context-menu event, so an item reads the right-clicked element as the source element of the home
// document's current event, and the link it edits as the link around that element.
//
// Items 1 to 10 change the navigation page through its mirror `Form1.List1` and end with the page
// rewrite (NavPage::rewrite), so the home slot shows the result at once; item 11 opens the file in a
// text editor:
//   1 连接, 2 图片, 3 宽度, 4 高度, 5 标题: ask for the field in an input box titled "修改", test the
//     answer and write it into that field of the tile's line;
//   6 换行: the break tail after the line's "</a>" (an empty answer, Cancel too, means no breaks);
//   7 还原连接: a built-in tile's default line; 8 新建连接: a new tile at a chosen position ("添加");
//   9 删除 (refused for built-in tiles); 10 初始化: the default page; 11 打开文件.
// Every refusal and every No stops an item before anything changes. A tile's line is the first entry
// of the list holding a tag whose id is the clicked id (TileLine). When no line holds it (the link
// hint label, whose id contains `Tavrolin` too), the list stays as it is and items 1 to 7 and 9 still
// rewrite the file and reload the page once past their question and tests; item 6 does so at once.
// When the file cannot be written, the old file stays, the list goes back to what it held before the
// item, and the user is told.
#include <QString>
#include <QStringList>

class Form1;
class Form4;

namespace web {
class Element;
}

class TileEditor {
public:
    // Sets the click handler of the items `BJDH100`.
    TileEditor(Form1& f, Form4& menus);
    TileEditor(const TileEditor&) = delete;
    TileEditor& operator=(const TileEditor&) = delete;

    void BJDH100_Click(int Index);

    // The placeholder link of a new tile and the example web picture of the picture prompt.
    static const QString kNewTileLink;
    static const QString kExamplePicture;

private:
    void editLink(const web::Element& clicked, const QString& id);
    void editPicture(const web::Element& clicked, const QString& id);
    // Items 3, 4 and 5: the field `name` asked as "name=value".
    void editNumberOrTitle(int Index, const web::Element& clicked, const QString& id);
    void editBreaks(const QString& id);
    void restore(const QString& id);
    void add();
    void remove(const web::Element& clicked, const QString& id);
    void reset();
    void openFile();

    // The answer of an input box at the usual place; "" for Cancel.
    static QString ask(const QString& prompt, const QString& title, const QString& defaultText);
    static bool confirm(const QString& question);

    QStringList lines() const;
    int lineOf(const QString& id) const;
    // The field's current value: from the tile's line when it holds the field, else from `fallback`.
    QString current(const QString& id, const QString& name, const QString& fallback) const;
    // Writes `value` into the field of the tile's line (nothing when no line holds the id).
    void writeField(const QString& id, const QString& name, const QString& value);
    // The page rewrite; when the file cannot be written the list is set back to `before`.
    void rewrite(const QStringList& before);

    Form1& f;
    Form4& m;
};
