#include "app/windowowner.h"

#include "mainwindow/form1.h"
#include "mainwindow/form4.h"
#include "platform/ui/controlarray.h"

namespace app {

WindowOwner& WindowOwner::instance() {
    // Never destroyed: windows must go before the application object does (reset() at the end).
    static WindowOwner* owner = new WindowOwner();
    return *owner;
}

Form1& WindowOwner::form1() {
    Form1* f = find<Form1>();
    return f ? *f : make<Form1>();
}

Form4& WindowOwner::form4() { return window<Form4>(); }

void WindowOwner::retire(std::unique_ptr<ui::Form> form) { ui::deleteLaterControl(std::move(form)); }

void WindowOwner::reset() {
    // Take the windows out first: a window's destruction may look for other windows.
    auto old = std::move(windows_);
    windows_.clear();
    old.clear();
}

Form1& form1() { return WindowOwner::instance().form1(); }
Form4& form4() { return WindowOwner::instance().form4(); }

}  // namespace app
