#pragma once
// Page views: generated HTML files under `\html\` that show a piece of the front slot's document as
// readable, coloured source text, shown in the source window (Form11). A view is named by its prefix
// ("HEAD - ", "BODY - ", "HTML - "), a random view number and ".html"; its file is appended to (GBK,
// each item followed by CR LF) with the first line "<meta http-equiv=X-UA-Compatible content=IE=Edge>".
//
// The two escapings of source text:
//  - plain: "<" and ">" become "&lt;" and "&gt;";
//  - line-break: ">" becomes "&gt;", then "<" becomes "<br>&lt;", so every tag starts a line.
//  Both leave "&" alone: the entities of the source show the characters they stand for. Characters
//  GBK cannot hold become character references only when the view is written (after the colouring,
//  which would otherwise colour the digits of the references).
// The colouring passes (lists of 语言.txt, read at each use): the digit pass (颜色名称1), the
// attribute-name pass (颜色名称2, by the name's length; only for text holding `="`), the keyword pass
// (iscript, every entry but the last, fuchsia).
#include <QString>
#include <QStringList>

namespace analysis {

struct ViewName {
    QString number;  // the view number
    QString name;    // prefix, number, ".html"
};

// The view number alone, drawn right after a reseed: for views whose prefix is known only once the
// page was looked at (the tables name their count), drawn at the start of the click.
QString drawViewNumber();
// The full path of a view: the program folder, "\html\", the name.
QString viewPath(const QString& name);
// A view name that no file has yet (the number is drawn again while one has), in a `\html\` folder
// that is made when missing.
ViewName nameNewView(const QString& prefix);
// The same with a number drawn before: that number, unless a file has it already.
ViewName nameNewView(const QString& prefix, const QString& number);
// Appends the first line and `items`, each followed by CR LF.
void writeView(const QString& name, const QStringList& items);
// Appends `items` to the view file at `path`, each followed by CR LF. Every view is written through
// here: characters GBK cannot hold become character references, so the view shows them.
void appendToView(const QString& path, const QStringList& items);
// Navigates the source window to the view, names it and presses Command9. A view whose file is not
// there (it could not be written) is refused instead: kNotWritten and the file.
void showView(const QString& name);
// "源码生成失败，文件不能写入：", the refusal of a view that could not be written.
extern const QString kNotWritten;

QString plainEscape(const QString& text);
QString lineBreakEscape(const QString& text);
QString digitPass(const QString& text);
// `lastColour`, when given, is the colour chosen last before (in) and after (out) the pass.
QString attributeNamePass(const QString& text, QString* lastColour = nullptr);
QString keywordPass(const QString& text);

// The passes chosen, applied together in one walk over the text: at each place the first that
// matches (an attribute name with its "=", longest first; a keyword, in list order; a digit) writes
// its coloured text and the walk goes on after the matched text, so no pass ever rewrites the markup
// another inserted (a page's own `color="red"` stays one attribute).
struct Passes {
    bool digits = false, attributes = false, keywords = false;
};
QString colourText(const QString& text, Passes passes, QString* lastColour = nullptr);

// The view font as a quoted CSS string, without the characters that could end it, its rule, its
// style or its tag.
QString cssFontName();

// The opening of a view's text block: a div of the view font (`字体` of fg.txt) at `size` pixels.
QString fontDiv(int size);

}  // namespace analysis
