#pragma once
// The about box: ten elements with fixed ids written into the page of the front slot (a picture over
// the whole page, a framed box, the name line, five about lines, a close caption and a style element
// for the text lines). Picking "关于" again in the same page removes it; showing it in one page first
// removes it from another page that has it. The style element `fgs_style` is the only sign that a page
// shows it: nothing is kept in the program.
#include <QString>

class Form1;

namespace web {
class Document;
}

class AboutOverlay {
public:
    // The id of the picture over the whole page ("fg0_img"): the box lies over everything the page
    // shows, its plug-in players included.
    static const QString kCoverId;

    explicit AboutOverlay(Form1& f);

    // "关于" of the main menu: removes the overlay from the front slot's page when it is there, else
    // removes it from the first other page that shows it and writes it into the front slot's page.
    void showOrRemove();

    // Whether the page of slot `slot` shows the overlay; false when the slot has no browser or no
    // document.
    bool shows(int slot) const;

    // Removes the ten elements from a page, each on its own (one that is missing is passed over).
    // The click handlers of the home page and of the front tab run it when the close caption is
    // clicked.
    static void removeFrom(const web::Document& doc);

private:
    void create(int slot);
    Form1& f_;
};
