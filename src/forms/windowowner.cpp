#include "forms/windowowner.h"

#include "forms/form1.h"
#include "forms/form14.h"
#include "forms/form4.h"
#include "platform/ui/controlarray.h"
#include "platform/ui/events.h"

namespace {
WindowOwner* current_ = nullptr;
}  // namespace

WindowOwner::WindowOwner() : previous_(current_) { current_ = this; }

WindowOwner::~WindowOwner() {
    reset();
    if (current_ == this) current_ = previous_;
}

WindowOwner* WindowOwner::current() { return current_; }

// The main window and the menu owners are made once: every reference finds that one window, also
// after an unload went through (the subsystems keep references to it).
Form1& WindowOwner::form1() {
    auto it = windows_.find(std::type_index(typeid(Form1)));
    return it != windows_.end() ? static_cast<Form1&>(*it->second) : make<Form1>();
}

Form1* WindowOwner::existingForm1() const {
    auto it = windows_.find(std::type_index(typeid(Form1)));
    return it != windows_.end() ? static_cast<Form1*>(it->second.get()) : nullptr;
}

Form4& WindowOwner::form4() {
    auto it = windows_.find(std::type_index(typeid(Form4)));
    Form4& f = it != windows_.end() ? static_cast<Form4&>(*it->second) : make<Form4>();
    f.load();
    return f;
}

Form14& WindowOwner::form14() {
    auto it = windows_.find(std::type_index(typeid(Form14)));
    Form14& f = it != windows_.end() ? static_cast<Form14&>(*it->second) : make<Form14>();
    f.load();
    return f;
}

void WindowOwner::attachHandlers(std::type_index type, ui::Form& form) {
    auto it = factories_.find(type);
    if (it == factories_.end()) return;
    std::vector<std::shared_ptr<void>>& set = handlers_[&form];
    for (const Factory& make : it->second) set.push_back(make(form));
}

void WindowOwner::attachLate(ui::Form& form, const Factory& make) {
    const bool hadLoad = static_cast<bool>(form.onLoad);
    handlers_[&form].push_back(make(form));
    if (form.loaded() && !hadLoad && form.onLoad) ui::dispatch(form.onLoad);
}

void WindowOwner::retire(std::unique_ptr<ui::Form> form) {
    // The window's handler objects stay until the window itself goes, once the current event is over.
    auto it = handlers_.find(form.get());
    std::shared_ptr<void> handlers;
    if (it != handlers_.end()) {
        handlers = std::make_shared<std::vector<std::shared_ptr<void>>>(std::move(it->second));
        handlers_.erase(it);
    }
    ui::deleteLaterControl(std::move(form), std::move(handlers));
}

void WindowOwner::reset() {
    // Take the windows out first: a window's destruction may look for other windows. Each window's
    // handler objects go just before it.
    auto old = std::move(windows_);
    windows_.clear();
    auto handlers = std::move(handlers_);
    handlers_.clear();
    for (auto& entry : old) {
        handlers.erase(entry.second.get());
        entry.second.reset();
    }
}

namespace forms {

WindowOwner& windows() { return *WindowOwner::current(); }
Form1& form1() { return windows().form1(); }
Form4& form4() { return windows().form4(); }
Form14& form14() { return windows().form14(); }

}  // namespace forms
