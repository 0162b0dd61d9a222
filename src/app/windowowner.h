#pragma once
// The one owner of every window of the program. The main window is made at start (not loaded: its
// start-up wires its handlers first and then shows it); the menu owner on first use; any other
// window by its type, on first use, hidden, with its load handler run. A secondary window that was
// unloaded is made afresh on its next use (the old one goes away once the current event has
// finished); the main window and the menu owner are never made twice.
//
// A subsystem registers a setup for a window type; it runs on every new instance of that type right
// after it was made, before its load, so the subsystem can set the handlers of its controls.
#include "platform/ui/form.h"

#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

class Form1;
class Form4;

namespace app {

class WindowOwner {
public:
    static WindowOwner& instance();

    // The main window, made on first use (not loaded) and never made again.
    Form1& form1();
    // The menu owner, made and loaded on first use and never made again.
    Form4& form4();

    // The window of type F: made when there is none (or the one there was has been unloaded), then
    // loaded. F needs a constructor without arguments.
    template <class F>
    F& window() {
        F* f = find<F>();
        if (!f) f = &make<F>();
        f->load();
        return *f;
    }
    // The window of type F if one is there and not unloaded, else nullptr; makes nothing.
    template <class F>
    F* existing() const {
        auto it = windows_.find(std::type_index(typeid(F)));
        if (it == windows_.end() || it->second->closed()) return nullptr;
        return static_cast<F*>(it->second.get());
    }
    template <class F>
    bool loaded() const {
        F* f = existing<F>();
        return f && f->loaded();
    }

    template <class F>
    void setSetup(std::function<void(F&)> setup) {
        setups_[std::type_index(typeid(F))] = [setup](ui::Form& f) { setup(static_cast<F&>(f)); };
    }

    // Destroys every window (the end of the program, and between tests).
    void reset();

private:
    WindowOwner() = default;

    template <class F>
    F* find() {
        auto it = windows_.find(std::type_index(typeid(F)));
        if (it == windows_.end()) return nullptr;
        if (it->second->closed()) {
            retire(std::move(it->second));
            windows_.erase(it);
            return nullptr;
        }
        return static_cast<F*>(it->second.get());
    }

    template <class F>
    F& make() {
        auto made = std::make_unique<F>();
        F& ref = *made;
        windows_[std::type_index(typeid(F))] = std::move(made);
        auto s = setups_.find(std::type_index(typeid(F)));
        if (s != setups_.end()) {
            std::function<void(ui::Form&)> setup = s->second;
            setup(ref);
        }
        return ref;
    }

    static void retire(std::unique_ptr<ui::Form> form);

    std::map<std::type_index, std::unique_ptr<ui::Form>> windows_;
    std::map<std::type_index, std::function<void(ui::Form&)>> setups_;
};

inline WindowOwner& windows() { return WindowOwner::instance(); }
Form1& form1();
Form4& form4();
template <class F>
F& window() {
    return WindowOwner::instance().window<F>();
}

}  // namespace app
