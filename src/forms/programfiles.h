#pragma once
// The program's own files outside `txt` (those: forms::txtPath), named once: the navigation page and
// the program icon every window of the program shows.
#include <QString>

namespace ui {
class Form;
}

namespace forms {

// The navigation page: the program folder followed by "\导航.html".
QString navPagePath();
// The program icon: the program folder followed by "\pifu\0.ico".
QString programIconPath();
// The window takes the program icon (a file that cannot be read raises, as loading a picture does).
void setProgramIcon(ui::Form& window);

}  // namespace forms
