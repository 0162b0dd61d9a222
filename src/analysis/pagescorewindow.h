#pragma once
// The load handler of the page score window Form9: the window's icon and fixed size, then the front
// slot's page measured into it (`analysis::scoreFrontPage`, pagescore.h).
class Form9;

class PageScoreWindow {
public:
    explicit PageScoreWindow(Form9& w);
    PageScoreWindow(const PageScoreWindow&) = delete;
    PageScoreWindow& operator=(const PageScoreWindow&) = delete;

    void Form_Load();

private:
    Form9& w;
};
