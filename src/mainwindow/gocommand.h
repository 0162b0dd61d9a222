#pragma once
// The go command: opens the text of the address box. It refuses text that cannot be an address,
// hands archive and program downloads to the home slot, puts the address on top of the favorites
// list, suspends frame blocking for the page about to load (the frame-blocking grace), and navigates
// a new tab or the front tab, with the User-Agent header while the override is on.
//
// The frame-blocking grace (forms::openUserNavigationGrace) is opened here and ended by the delayed job
// GraceEnd.
#include <QString>

class Form1;

class GoCommand {
public:
    // Sets the click handler of Command1.
    explicit GoCommand(Form1& f);

    void Command1_Click();

    // Texts of the command.
    static const QString kBadAddress;    // "网址不是正确的，不能打开"
    static const QString kNoTabInFront;  // "没有正在浏览的标签，不能直接打开"

private:
    // Builds the typed-address record and puts it on top of the favorites list.
    void addFavorite();
    // Navigates WebBrowser1(k) to the address box text under the User-Agent rule.
    void navigate(int k);

    Form1& f;
};
