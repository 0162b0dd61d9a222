#pragma once
// Typed search and the search engines. The search words wait in the tag of Label13; the search puts
// them into the address template of the current engine (`搜索引擎` of 应用.txt names the engine, the
// templates are the keys "搜索连接1".."搜索连接9" of `\txt\sousuo.txt`, with "%s%" standing for the
// words) and opens the address in a new tab. The main menu's engine items choose the engine; their
// last item opens the engine file in the desktop's text editor.
#include <QString>

class Form1;
class Form4;

class Search {
public:
    // Sets the click handlers of Label13 and of the engine items SSYQ100.
    Search(Form1& f, Form4& menus);

    // The search: a new tab navigated to the current engine's address for the words in Label13's tag.
    void Label13_Click();
    // Engine items 1..9 choose the engine; item 10 opens the engine file for editing.
    void SSYQ100_Click(int Index);

    // The address of a search: every "%s%" of the template replaced by the words, percent-encoded
    // as UTF-8 so that blanks, "&", "#", "+" and "%" stay part of the words.
    static QString searchAddress(const QString& pattern, const QString& words);

private:
    Form1& f;
    Form4& m;
};
