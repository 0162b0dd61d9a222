#pragma once
// The link hint bars the program put into pages, each kept by reference from the moment it was made:
// the strip (an input with the id "input_x") and the label (id "Tavrolinid", first text "加载完成..").
// The ids are only the bar's names in the page; the program never looks the bar up by them, so a
// page's own element with one of these ids is never taken for the bar (neither hidden, filled nor
// counted as the page having a bar), and a page cannot hide or fake the program's bar by them.
// A bar goes away with its document; the handles of gone documents are dropped.
#include "platform/web/document.h"

#include <QString>

#include <vector>

namespace forms {

class HintBars {
public:
    struct Bar {
        web::Element label;
        web::Element strip;
    };

    // Whether the program made a bar in `doc` (raises 91 for a document that is gone).
    bool has(const web::Document& doc);
    // The bar the program made in `doc`; raises 424 when it made none there.
    const Bar& of(const web::Document& doc);
    // Makes the bar in `doc`: the strip, then the label with its first text in `font` (the setting
    // `字体` of fg.txt), each appended to the body, and keeps it. Each step is a statement of its own.
    void make(const web::Document& doc, const QString& font);
    // Shows `text` on the bar of `doc`, making the bar first (in `font`) when the page has none.
    void notice(const web::Document& doc, const QString& text, const QString& font);

    static const QString kLabelId;    // "Tavrolinid"
    static const QString kStripId;    // "input_x"
    static const QString kFirstText;  // "加载完成.."

private:
    void forgetGone();
    std::vector<Bar> bars_;
};

}  // namespace forms
