#pragma once
// The navigation page `\导航.html`: the program's own home page, a centred grid of picture tiles, each
// a link to a web site. The home slot shows it when the start page is "导航.html" and again after every
// change the tile editor makes.
//
// The file (GBK, CR LF, written whole) is five header lines, one tile line per tile and the closing
// "</center>". A tile line is
//   <a href=LINK>[blanks]<img id=ID title=TITLE width=W height=H src=PICTURE></a>[TAIL]
// with unquoted attribute values; the tail is nothing or "<br>" up to three times and ends a row of
// tiles. The default page holds the twelve built-in tiles `TavrolinOK01`..`TavrolinOK12` in three rows
// of four; in each default line the link part is filled with blanks so "<img" begins at the 54th
// character. TileLine (tileline.h) reads and edits single lines.
//
// The main window's hidden list `List1` mirrors the file line by line and is the working copy: start-up
// fills it from the file (or presses `Command3` when there is none), the tile editor changes its entries
// and then rewrites the file from it. Nothing else reads the file back into the list.
#include <QString>
#include <QStringList>

class Form1;

namespace records {

// The 18 lines of the default page, in file order.
QStringList defaultNavPageLines();

// The default line of the built-in tile whose id is exactly `TavrolinOK01`..`TavrolinOK12`, break tail
// included; "" for any other id.
QString defaultTileLine(const QString& id);

}  // namespace records

class NavPage {
public:
    // Sets the click handler of `Command3`.
    explicit NavPage(Form1& f);
    NavPage(const NavPage&) = delete;
    NavPage& operator=(const NavPage&) = delete;

    // `Command3` ("导航加载"): writes the default page, then fills `List1` from the file as it now is
    // (a file that cannot be read adds nothing). It does not navigate.
    void Command3_Click();

    // The page rewrite: every entry of `List1`, first to last, becomes a line of the file, replacing
    // its whole content; then the home slot is navigated to the file. The file is replaced atomically:
    // when it cannot be written it stays as it was (and the home slot shows it again). Returns whether
    // the file was written.
    bool rewrite();

    // Navigates the home slot's browser to the page file, without extra headers.
    void show();

private:
    Form1& f_;
};
