#pragma once
// The favorites window (caption "网址"): its browser shows the favorites file `\txt\网址.html` and its
// hidden list `List1` mirrors that file line by line, newest record first. Loading the window (also
// by any writer's first touch through the window owner) fills the list from the file without
// showing the window. `LHTML` is the connection to the events of the page it shows. Its handlers
// live in FavoritesWindow (load, size, the page's look) and FavoritesPage (the page's mouse and
// menu events); the edit menu `Form14.bianji` in FavoritesMenu.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/web/documentsink.h"
#include "platform/web/webbrowser.h"

#include <QString>

class FavoriteRecord;

class Form13 : public ui::Form {
public:
    Form13();
    ~Form13() override;

    web::WebBrowser WebBrowser1{client()};  // shows the favorites file
    ui::ListBox List1{client()};            // hidden mirror of the favorites file

    // The connection to the favorites page (attached at every completed load).
    web::DocumentSink LHTML;
    void setLHTML(const web::Document& doc) { LHTML.attach(doc); }

    // The window handle of the favorites window.
    int hWnd();

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
    // while the mirror holds more records than the add limit. Returns whether it was added. When the
    // file could not be written the record stays in the mirror, the page is reloaded all the same and
    // then the file layer's error is raised, so a caller that reports success can tell.
    bool addRecord(const FavoriteRecord& record);
};
