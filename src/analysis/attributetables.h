#pragma once
// The attribute tables of the document menu (`CS100` of the menu owner, submenu 04>标记参数): every
// element of the front slot's document that carries a non-empty value of one attribute, in document
// order: its number, its tag (dashes after it up to ten characters) and the attribute with its value,
// tag and value shown as text. Items 1..10 take the attribute from their caption, 11 a typed one,
// lower-cased everywhere. Every click first draws its view number.
//
// A table page (tablepage.h) at 17px without the view font and without row colours. An element whose
// tag name is longer than ten characters takes its number but no row. No matching element, or a typed
// name that could leave `\html\`: "网页中没有<name>属性" and no file.
#include <QString>

class Form1;
class Form4;

class AttributeTables {
public:
    AttributeTables(Form1& f, Form4& f4);

    void CS100_Click(int Index);

    void attributeTable(const QString& number, const QString& name);

private:
    Form1& f;
    Form4& m;
};
