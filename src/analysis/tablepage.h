#pragma once
// The table page that the tag tables (tagviews.h) and the attribute tables (attributetables.h) share:
// a page view named after the table's name and count ("IMG(3) - 0.5.html"), holding, line by line,
// the first line of every view, the opening division, the table head (`表格头` of 语言.txt), one line
// per row, the table tail (`表格尾`) and "</div>".
//
// Every row begins with the number cell "<tr> <td width=1%>" n "</td> " and ends with "</td> </tr>".
#include <QString>
#include <QStringList>

namespace analysis {

// The number cell that begins row n.
QString numberCell(int n);

// Writes the table page under `\html\` with the view number drawn at the start of the click (a new
// one when a file has it already) and shows it in the source window.
void writeTablePage(const QString& number, const QString& name, int count, const QString& division,
                    const QStringList& rows);

// The tag or attribute of a fixed menu item: its caption from the third character on, at most 19
// characters, without "<" and ">" ("03<img>" gives "img").
QString nameFromCaption(const QString& caption);

// Whether a typed name may become part of a view's file name: one holding "/", "\" or ".." could
// reach outside `\html\`.
bool fitsFileName(const QString& name);

}  // namespace analysis
