#pragma once
// The page score: the document menu's 网页得分 (`yuanma100(2)`) opens the score window Form9, which
// measures the front slot's page in ten rows (title, address box, file size, domain, links, images,
// scripts, frames, "object" elements, all elements), marks each row against its bands ("√" in blue,
// a penalty "-n" in red, a bonus "+n" in green; red and green marks colour their boxes) and shows
// "浏览体验得分∶ " and 100 plus the marks' points in its caption (0 below 1). With a tab in front, the
// box of row 0 shows the page's User-Agent. A value that cannot be read leaves its box with the bare
// label. The window is measured at its load and again at every further choice while it is open.
//
// PageScore owns `yuanma100`'s click; PageScoreWindow (pagescorewindow.h) is the window's load handler.
#include "platform/ui/colors.h"

#include <QString>

class Form1;
class Form4;
class Form9;

namespace analysis {

// The mark of a row: its text, its colour and its points.
struct ScoreMark {
    QString text;
    ui::Color colour;
    int points;
    bool operator==(const ScoreMark& o) const { return text == o.text && colour == o.colour && points == o.points; }
};

// The bands of the rows. Lengths in characters, counts of elements.
ScoreMark titleMark(int length);  // a title of two characters passes
ScoreMark addressMark(int length);
ScoreMark sizeMark(const QString& sizeText);
// Row 4 first tests the length of its box's whole text, then the domain's.
ScoreMark domainMark(int boxLength, int domainLength);
ScoreMark linksMark(int links);
ScoreMark imagesMark(int images);
ScoreMark scriptsMark(int scripts);
ScoreMark framesMark(int frames);  // also the "object" elements
ScoreMark elementsMark(int elements);

// Measures the front slot's page into the window: texts, marks, colours and caption.
void scoreFrontPage(Form1& f, Form9& w);

}  // namespace analysis

class PageScore {
public:
    PageScore(Form1& f, Form4& f4);

    void yuanma100_Click(int Index);

private:
    Form1& f;
};
