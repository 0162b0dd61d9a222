#pragma once
// The look shared by the pages of the record windows (favorites, downloads): the link style from the
// settings, the list numbers, and the hover colours.
//
// Numbering: with c links on the page, the i-th numbered element (from 0, document order) gets c - i
// as three digits, ". " and its old text, so the newest record shows c and the oldest 001; a number
// of four or more digits is not written.
//
// The font and the colours are stored as the user typed them: the font goes into the styles as a
// quoted CSS string and ";", "{", "}" and "<" are dropped from the colours, so no value can end its
// declaration, its rule or its style element.
#include <QString>

namespace web {
class Document;
struct DocumentEvent;
}  // namespace web

namespace records {

// The number an element gets: three digits with leading zeros and ". "; "" from 1000 on.
QString numberText(int n);
// A font name as a CSS string; a colour value without the characters that end a declaration, a rule
// or the style element.
QString cssFont(const QString& name);
QString cssColour(const QString& value);

// Appends a style element holding `css` to the body.
void appendStyle(const web::Document& doc, const QString& css);
// The link rule: the font 字体, 15px, the colour 网址颜色, no underline.
QString linkStyle();
// Numbers the elements of tag `tag` by the count of links, as above.
void numberBy(const web::Document& doc, const QString& tag);
// The hover: a link under the pointer takes 目标颜色 and an underline; any other element gives every
// link of `doc` the colour 网址颜色 and no underline back.
void hover(const web::Document& doc, const web::DocumentEvent& event);

}  // namespace records
