#pragma once
// The handlers of the favorites page's mouse and menu events, made with the favorites window Form13:
//
// - A press of the left button on the background or on a label moves the window (as if dragged by
//   its caption); on a record link it does not.
// - A click on a record link sets the frame-blocking counter to "0" and opens the record's address
//   (the link's title) in a new tab, restoring and focusing the main window first. A record link's
//   script address makes the engine ask for no new window, so the click opens it; a new window the
//   page does ask for is always cancelled and opens the clicked link the same way.
// - A right click sets the frame-blocking counter to "0", enables the record items of the edit menu
//   `Form14.bianji` (0 to 4) only over an element whose id has two or more characters, and pops the
//   menu up; the engine's own menu never shows. The menu's items (FavoritesMenu) act on the record
//   that was right-clicked, read from the event still in progress.
// - Nothing can be dragged out of the page.
#include "platform/web/document.h"

class Form13;

namespace web {
class WebBrowser;
}

class FavoritesPage {
public:
    explicit FavoritesPage(Form13& w);
    FavoritesPage(const FavoritesPage&) = delete;
    FavoritesPage& operator=(const FavoritesPage&) = delete;

    bool LHTML_onmousedown(const web::DocumentEvent& event);
    bool LHTML_onclick(const web::DocumentEvent& event);
    bool LHTML_oncontextmenu(const web::DocumentEvent& event);
    bool LHTML_ondragstart(const web::DocumentEvent& event);
    void WebBrowser1_NewWindow2(web::WebBrowser*& ppDisp, bool& Cancel);

    // The element an event on the page is about: the record link the event's element lies in, or
    // the element itself when it lies in no link.
    static web::Element recordElement(const web::DocumentEvent& event);

private:
    // Opens the address of the link clicked last in a new tab; a link opens once.
    void openClickedLink();
    Form13& w;
    web::Element clickedLink_;
};
