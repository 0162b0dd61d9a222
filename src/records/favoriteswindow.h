#pragma once
// The handlers of the favorites window Form13 for the window and the look of its page, made with the
// window: its load (icon, the first navigation, the mirror filled from the file, drop target off), its
// resize (the browser fills the client area), the completed page (the page connection, no body
// border, the label and link styles from the settings, the labels numbered) and the hover colours;
// the look it shares with the download window is in recordpage.h.
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

private:
    Form13& w;
};
