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

// The main window and the menu owner are made once: every reference finds that one window, also
// after an unload went through (the subsystems keep references to it).
Form1& WindowOwner::form1() {
    auto it = windows_.find(std::type_index(typeid(Form1)));
    return it != windows_.end() ? static_cast<Form1&>(*it->second) : make<Form1>();
}

Form4& WindowOwner::form4() {
    auto it = windows_.find(std::type_index(typeid(Form4)));
    Form4& f = it != windows_.end() ? static_cast<Form4&>(*it->second) : make<Form4>();
    f.load();
    return f;
}

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
