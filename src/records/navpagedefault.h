#pragma once
// The default navigation page and the command `Command3` ("导航加载") that writes it: five header
// lines, the twelve built-in tiles in three rows of four, and the closing "</center>". After writing
// the file the command fills the main window's mirror list `List1` from the file as it now is.
#include <QStringList>

class Form1;

namespace records {

// The 18 lines of the default page, in file order.
QStringList defaultNavPageLines();

}  // namespace records

class NavPageDefault {
public:
    // Sets the click handler of `Command3`.
    explicit NavPageDefault(Form1& f);

    void Command3_Click();

private:
    Form1& f_;
};
