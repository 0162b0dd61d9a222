#pragma once
// The tag views of the document menu (`BJYM100` of the menu owner, in the submenu 标记源码), on the
// front slot's document. Every click first draws its view number, whatever follows.
//  0      the focused-element view "shubiao - ": the source of the page's active element (below 9999
//         characters), line-break escaped with the digit and attribute-name colouring; refused on a
//         right click on the body or the html element ("此处不可以获取");
//  1..10  a tag table of the tag in the item's caption ("01<A>" keeps "A");
//  11     a tag table of a typed tag: looked up in lower case, named in upper case;
//  12     hides the right-clicked element (its visibility), refused on body and center.
// A tag table is a table page (tablepage.h) of every element of the tag in document order, each row
// the element's escaped source on the colours `背景色1` / `背景色2` of 语言.txt by turns. A tag without
// elements, or a typed name that is no tag ("*") or could leave `\html\`, gets "网页中没有<tag>标记".
#include <QString>

class Form1;
class Form4;
namespace web {
class Document;
}

class TagViews {
public:
    TagViews(Form1& f, Form4& f4);

    void BJYM100_Click(int Index);

    void focusedElementView(const QString& number);
    // The table of the elements named `tag` (any case), under the name `shown`.
    void tagTable(const QString& number, const QString& tag, const QString& shown);
    void typedTagTable(const QString& number);
    void hideClickedElement();

private:
    web::Document front();
    Form1& f;
    Form4& m;
};
