#include "analysis/pagescorewindow.h"

#include "analysis/form9.h"
#include "analysis/pagescore.h"
#include "forms/programfiles.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"

using rt::step;

PageScoreWindow::PageScoreWindow(Form9& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
}

void PageScoreWindow::Form_Load() {
    step([&] { forms::setProgramIcon(w); });
    step([&] { w.move(w.left(), w.top(), Form9::kWidth, Form9::kHeight); });
    analysis::scoreFrontPage(forms::form1(), w);
}
