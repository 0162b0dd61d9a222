#pragma once
// The element list: the page view "HTML - <number>.html", a numbered row for every element of the
// front document, each row a link that opens the element's hidden source below it. "01>HTML" of the
// document menu starts a run (refused with "正在生成，请稍后.." while one goes on, after the question
// "生成源码时不要进行其他操作，以免卡死"): the page's head, the elements before the body, are written at
// once, then one body element per step of the job ElementListStep (70 ms; the job, registered here,
// switches its own timer off, raises the percentage in the progress overlay the run puts into the
// listed page, counts the step in its timer's tag and presses Command11, the worker, which restarts
// it after every element but the last). After the last
// element the page is completed and shown in the source window. A double-click in the front tab's page
// stops a run and removes the overlay. A run whose tab has loaded another page since is stopped at its
// next step with the refusal "标签中的网页已改变，源码生成已停止".
//
// Run state: the timer of ElementListStep (enabled while a run waits for a step; its tag the step
// counter), Command11's
// caption (the count of head elements numbered), tag (the percentage) and tool tip (the listed slot),
// html100(1)'s tag (the view number).
#include <QString>

class Form1;
class Form4;

#include "platform/web/document.h"

class ElementList {
public:
    // Sets the click of Command11, the double-click of the front tab's page and the body of the job
    // ElementListStep.
    ElementList(Form1& f, Form4& f4);

    // "01>HTML".
    void start();
    void Command11_Click();
    // The body of the job ElementListStep.
    void elementListStep();
    bool ORIBERISA_ondblclick(const web::DocumentEvent& event);

    // The row of an element (empty when its tag name is not 1 to 10 characters long or its number has
    // more than `maxDigits` digits) and its label, for element text `text` (already escaped).
    static QString row(int number, const QString& tag, const QString& text, int maxDigits);
    static QString label(int number, const QString& colouredText);
    // The element colouring of a row's text. `attributeColour` carries the attribute-name pass's last
    // colour from one element to the next.
    static QString colour(const QString& text, QString* attributeColour = nullptr);

private:
    QString pagePath() const;
    void removeOverlay();

    Form1& f;
    Form4& m;
    web::Document listed_;  // the document the run lists
};
