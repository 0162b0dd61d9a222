#pragma once
// A control array: items of one control type addressed by index. Items made with the form (add) stay
// for the form's life; items loaded at run time (load) copy the state of the first item, start hidden,
// and can be unloaded again. Addressing an index with no item raises error 340.
//
// Events of the items reach the array's handlers with the index first. A per-item setup hook runs for
// every item there is and for every item loaded later, so any event of any control type can be wired
// with its index.
#include "platform/rt/error.h"
#include "platform/ui/control.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace ui {

// Destroys a control once the event being handled has finished (a window unloaded from inside one
// of its own events). `keepAlive` (the handler objects of a window, say) lives until then and goes
// just before the control.
void deleteLaterControl(std::unique_ptr<Control> control, std::shared_ptr<void> keepAlive = {});

template <class T>
class ControlArray {
public:
    explicit ControlArray(const QString& name = QString()) : name_(name) {}
    virtual ~ControlArray() = default;
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    // Makes an item with the form; extra arguments go to the control's constructor.
    template <class... Args>
    T& add(int index, QWidget* parent, Args&&... args) {
        if (exists(index)) rt::raise(360);  // object already loaded
        auto item = std::make_unique<T>(parent, std::forward<Args>(args)...);
        design_.insert(index);
        return place(index, std::move(item));
    }

    T& operator()(int index) const {
        auto it = items_.find(index);
        if (it == items_.end()) rt::raise(rt::ControlArrayElementMissing);
        return *it->second;
    }
    bool exists(int index) const { return items_.count(index) != 0; }

    // Loads a new item with the parent and the state of the first item, hidden.
    T& load(int index) {
        if (exists(index)) rt::raise(360);
        if (items_.empty()) rt::raise(rt::ControlArrayElementMissing);
        const T& first = *items_.begin()->second;
        QWidget* parent = first.widget() ? first.widget()->parentWidget() : nullptr;
        auto item = std::make_unique<T>(parent);
        item->copyStateFrom(first);
        item->setVisible(false);
        return place(index, std::move(item));
    }

    // Removes an item loaded at run time. The item is gone at once, so no event of it reaches a
    // handler any more (also when it is unloaded from inside one of its own events); its widget is
    // hidden now and deleted once the current event is over.
    void unload(int index) {
        auto it = items_.find(index);
        if (it == items_.end()) rt::raise(rt::ControlArrayElementMissing);
        if (design_.count(index)) rt::raise(362);  // items made with the form stay
        std::unique_ptr<T> item = std::move(it->second);
        items_.erase(it);
        item->setVisible(false);
        item.reset();
    }

    int lbound() const {
        if (items_.empty()) rt::raise(rt::SubscriptOutOfRange);
        return items_.begin()->first;
    }
    int ubound() const {
        if (items_.empty()) rt::raise(rt::SubscriptOutOfRange);
        return items_.rbegin()->first;
    }
    int count() const { return static_cast<int>(items_.size()); }
    std::vector<int> indices() const {
        std::vector<int> out;
        for (const auto& kv : items_) out.push_back(kv.first);
        return out;
    }

    // Runs now for every item, in index order, and for every item made later.
    void setItemSetup(std::function<void(int index, T& item)> setup) {
        setup_ = std::move(setup);
        for (int k : indices()) dispatch(setup_, k, *items_.at(k));
    }
    // Like setItemSetup, but keeps the setups already there: several subsystems may each wire their
    // own events of the same items. The new setup runs after the earlier ones.
    void addItemSetup(std::function<void(int index, T& item)> setup) {
        for (int k : indices()) dispatch(setup, k, *items_.at(k));
        if (!setup_) {
            setup_ = std::move(setup);
            return;
        }
        std::function<void(int, T&)> before = std::move(setup_);
        setup_ = [before, setup](int index, T& item) {
            dispatch(before, index, item);
            dispatch(setup, index, item);
        };
    }

    Handler<void(int index)> onClick{"ControlArray.onClick"};
    Handler<void(int index)> onDblClick{"ControlArray.onDblClick"};
    Handler<void(int index, int button, int shift, double x, double y)> onMouseDown{"ControlArray.onMouseDown"};
    Handler<void(int index, int button, int shift, double x, double y)> onMouseMove{"ControlArray.onMouseMove"};
    Handler<void(int index, int button, int shift, double x, double y)> onMouseUp{"ControlArray.onMouseUp"};

protected:
    // An array of a control type with events of its own forwards them here: called for every item as
    // it is made or loaded, after the mouse events and before the setup hooks.
    virtual void placed(int index, T& item) {}

private:
    T& place(int index, std::unique_ptr<T> item) {
        T& ref = *item;
        ref.setName(name_);
        ref.setIndex(index);
        ref.onClick = [this, index] { dispatch(onClick, index); };
        ref.onDblClick = [this, index] { dispatch(onDblClick, index); };
        ref.onMouseDown = [this, index](int b, int s, double x, double y) { dispatch(onMouseDown, index, b, s, x, y); };
        ref.onMouseMove = [this, index](int b, int s, double x, double y) { dispatch(onMouseMove, index, b, s, x, y); };
        ref.onMouseUp = [this, index](int b, int s, double x, double y) { dispatch(onMouseUp, index, b, s, x, y); };
        items_[index] = std::move(item);
        placed(index, ref);
        if (setup_) dispatch(setup_, index, ref);
        return ref;
    }

    QString name_;
    std::map<int, std::unique_ptr<T>> items_;
    std::set<int> design_;
    std::function<void(int, T&)> setup_;
};

}  // namespace ui
