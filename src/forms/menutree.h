#pragma once
// Writing a menu tree once, as the menu owners Form4 and Form14 do.
#include "platform/ui/menu.h"

#include <QString>

#include <initializer_list>

namespace forms {

// Adds the items first, first + 1, ... of `array` to `parent` with the captions given.
inline void addItems(ui::MenuArray& array, ui::Menu& parent, int first, std::initializer_list<const char*> captions) {
    int index = first;
    for (const char* caption : captions) array.add(parent, index++, QString::fromUtf8(caption));
}

// Adds items first..last captioned with `prefix` and the index.
inline void addNumbered(ui::MenuArray& array, ui::Menu& parent, int first, int last, const QString& prefix) {
    for (int i = first; i <= last; ++i) array.add(parent, i, prefix + QString::number(i));
}

}  // namespace forms
