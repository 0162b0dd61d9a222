#pragma once
// Form fill: the submenu 网页填空 of the document menu, TK100 of the menu owner. Items 1 to 9 carry
// the nine fill texts of `\txt\填空.txt` (keys 标题1..标题9, put into the captions at each popup of
// the document menu); item 10, "?", opens that file in the text editor.
//
// - Items 1 to 9 write the item's caption into the context element, the element the document menu
//   was opened on (the source element of the front page's current event): into its value when it is
//   an input, a text area or a list (select), else its text. The page background (a body) and a
//   center element refuse with "此处不可以填空", as does an element whose tag cannot be read; an
//   element without an id gets "Tavrolin" followed by a random number.
// - Item 10 opens the file in the text editor; a missing file is first written with its ten default
//   lines (GBK, CR LF). An existing file is never overwritten; when the defaults cannot be written
//   the user is told and no editor opens.
#include <QString>
#include <QStringList>

class Form1;
class Form4;

class FormFill {
public:
    FormFill(Form1& f, Form4& f4);

    void TK100_Click(int Index);

    // The form-fill file: the program folder followed by "\txt\填空.txt".
    static QString filePath();
    // The lines a missing file is written with.
    static QStringList defaultLines();

private:
    void fill(int Index);
    void editFile();

    Form1& f;
    Form4& m;
};
