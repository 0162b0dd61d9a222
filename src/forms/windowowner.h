#pragma once
// The one owner of every window of the program; the program holds it (one at a time).
//
// The main window is made once and not loaded (its start-up shows it); the menu owners Form4 and
// Form14 are made and loaded on first use; any other window by its type, on first use, hidden, with
// its load handler run. A secondary window that was unloaded is made afresh on its next use (the old
// one goes away once the current event has finished); the main window and the menu owners are never
// made twice.
//
// Handlers of a window live in classes of the subsystem that owns them. The program registers them
// per window type (`addHandlers<Form13, FavoritesWindow>()`); every new window of that type gets a
// fresh set right after it was made and before its load, and the set goes with the window, also when
// the window is made again after an unload.
#include "platform/ui/form.h"

#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

class Form1;
class Form4;
class Form14;

class WindowOwner {
public:
    WindowOwner();
    // Destroys every window.
    ~WindowOwner();
    WindowOwner(const WindowOwner&) = delete;
    WindowOwner& operator=(const WindowOwner&) = delete;

    // The owner of the running program (the one made last); nullptr when there is none.
    static WindowOwner* current();

    // The main window, made on first use (not loaded) and never made again.
    Form1& form1();
    // The main window when it was made; makes nothing.
    Form1* existingForm1() const;
    // The menu owners, made and loaded on first use and never made again.
    Form4& form4();
    Form14& form14();

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

    // Every new window of type F gets an H, made as H(F&); the H lives as long as that window. A
    // window of type F made before this call (a menu owner touched early) gets its H now, and when
    // that window was loaded already and the H brought its load handler, that handler runs now: the
    // window ends up as if the H had been there from the start.
    template <class F, class H>
    void addHandlers() {
        const std::type_index type(typeid(F));
        Factory make = [](ui::Form& f) -> std::shared_ptr<void> { return std::make_shared<H>(static_cast<F&>(f)); };
        factories_[type].push_back(make);
        auto it = windows_.find(type);
        if (it != windows_.end() && !it->second->closed()) attachLate(*it->second, make);
    }

    // Destroys every window (the end of the program).
    void reset();

private:
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
        attachHandlers(std::type_index(typeid(F)), ref);
        return ref;
    }

    void attachHandlers(std::type_index type, ui::Form& form);
    using Factory = std::function<std::shared_ptr<void>(ui::Form&)>;
    void attachLate(ui::Form& form, const Factory& make);
    void retire(std::unique_ptr<ui::Form> form);

    std::map<std::type_index, std::unique_ptr<ui::Form>> windows_;
    std::map<std::type_index, std::vector<Factory>> factories_;
    std::map<const ui::Form*, std::vector<std::shared_ptr<void>>> handlers_;
    WindowOwner* previous_ = nullptr;
};

namespace forms {

// The window owner of the running program; there must be one.
WindowOwner& windows();
Form1& form1();
Form4& form4();
Form14& form14();
template <class F>
F& window() {
    return windows().window<F>();
}

}  // namespace forms
