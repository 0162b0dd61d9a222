#pragma once
// The handlers of the favorites window Form13 for the window and the look of its page, made with the
// window: its load (icon, the first navigation, the mirror filled from the file, drop target off), its
// resize (the browser fills the client area), the completed page (the page connection, no body
// border, the label and link styles from the settings, the labels numbered) and the hover colours.
//
// Numbering: with c links on the page, the i-th label (from 0, document order) gets c - i as three
// digits, ". " and its old text, so the newest record shows c and the oldest 001; a number of four or
// more digits is not written.
//
// The font and the three colours are stored as the user typed them: the font goes into the styles as
// a quoted CSS string and ";", "{", "}" and "<" are dropped from the colours, so no value can end its
// declaration, its rule or its style element.
#include <QString>

class Form13;

namespace web {
class Document;
struct DocumentEvent;
}  // namespace web

class FavoritesWindow {
public:
    explicit FavoritesWindow(Form13& w);
    FavoritesWindow(const FavoritesWindow&) = delete;
    FavoritesWindow& operator=(const FavoritesWindow&) = delete;

    void Form_Load();
    void Form_Resize();
    void WebBrowser1_DocumentComplete(const QString& url);
    bool LHTML_onmouseover(const web::DocumentEvent& event);

    // The number a label gets: three digits with leading zeros and ". "; "" from 1000 on.
    static QString numberText(int n);
    // A font name as a CSS string; a colour value without the characters that end a declaration,
    // a rule or the style element.
    static QString cssFont(const QString& name);
    static QString cssColour(const QString& value);

private:
    void numberLabels(const web::Document& doc);
    Form13& w;
};
