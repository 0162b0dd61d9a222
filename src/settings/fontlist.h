#pragma once
// The font list List1 of the settings window: the system's font names without "@", in the system's
// order, filled at the first opening and kept while the window lives. One list serves two targets,
// named by the settings window's tag:
//
//   "标签字体"  the tab font: Text21(4), 应用.txt 字体, every tab label lv(2)..lv(10), open or not;
//   "风格字体"  the interface font: Text7(16), fg.txt 字体, the title strip, the three glyphs (as high
//              as the tab labels, their frames laid on them), the address box and its label; then the
//              main window is made 10 twips wider, which lays it out again.
//
// A double-click commits the selected name to the tag's target and shows the save indicator. A
// double-click with nothing selected, or with a tag of neither kind (a colour field was clicked since
// the list was opened), stores and shows nothing. The double-click neither hides the list nor changes
// the tag; the next page switch puts the list behind the pages again.
#include <QString>

class Form5;

namespace ui {
class TextBox;
}

class FontList {
public:
    // Sets List1's double-click.
    explicit FontList(Form5& w);
    FontList(const FontList&) = delete;
    FontList& operator=(const FontList&) = delete;

    void List1_DblClick();

    // A font field was clicked: the tag becomes `tag`; the list is filled when it is empty; the entry
    // equal to the field's text (exactly) is selected, or the selection stays as it was; the list comes
    // in front of the pages. Writes nothing.
    static void open(Form5& w, const QString& tag, const ui::TextBox& field);

    static constexpr const char* kTabFont = "标签字体";
    static constexpr const char* kInterfaceFont = "风格字体";

private:
    void commitTabFont();
    void commitInterfaceFont();

    Form5& w;
};
