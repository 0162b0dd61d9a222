#pragma once
// Small steps on a loaded page shared by the elements the program puts into pages (the about overlay,
// the default-browser banner, the link hint bar): elements made one statement at a time and appended
// to the body, and removal of a body child by its id.
#include "platform/web/document.h"

#include <QString>

#include <functional>
#include <vector>

namespace forms {

// Makes an element of `tag` in `doc`, gives it the id, runs each of `fill` for its other properties, sets its
// inline style (none when `css` is null) and appends it as the last child of the body. Each of these
// is a statement of its own: one that fails is skipped and the next still runs (an element that could
// not be made fails every later statement). Returns the element made (null when none could be).
web::Element appendToBody(const web::Document& doc, const QString& tag, const QString& id,
                  const std::vector<std::function<void(web::Element&)>>& fill, const QString& css);

// Removes from the body the element with this id; raises the runtime error when there is none or it is
// not a child of the body.
void removeFromBody(const web::Document& doc, const QString& id);

// A picture under the program folder as an address every page can show (local files are refused
// inside web pages), from a tail such as "\\pifu\\zz.bmp".
QString programPicture(const QString& tail);

}  // namespace forms
