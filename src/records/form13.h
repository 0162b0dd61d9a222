#pragma once
// The favorites window (caption "网址"): its browser shows the favorites file `\txt\网址.html` and its
// hidden list `List1` mirrors that file line by line, newest record first. Loading the window (also
// by any writer's first touch through the window owner) fills the list from the file without
// showing the window. Its handlers live in FavoritesWindow.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/web/webbrowser.h"

#include <QString>

class FavoriteRecord;

class Form13 : public ui::Form {
public:
    Form13();
    ~Form13() override;

    web::WebBrowser WebBrowser1{client()};  // shows the favorites file
    ui::ListBox List1{client()};            // hidden mirror of the favorites file

    // The favorites file beside the executable.
    static QString favoritesFile();

    // Writes every mirror item, item 0 first, as the lines of the favorites file (the `\txt` folder is
    // made when missing). Raises the file layer's error when the file cannot be written; the mirror
    // keeps its items and reaches the file at the next successful rewrite.
    void favoritesRewrite();
    // Shows the file's current records in the window's browser.
    void favoritesReload();
    // The mirror's items in order.
    QStringList records() const;
    // Puts a record on top of the mirror, rewrites the file and reloads the page; nothing happens
    // while the mirror holds more records than the add limit. Returns whether it was added.
    bool addRecord(const FavoriteRecord& record);
};
