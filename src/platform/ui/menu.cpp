#include "platform/ui/menu.h"

#include "platform/rt/error.h"
#include "platform/ui/events.h"
#include "platform/ui/services.h"

#include <algorithm>

namespace ui {

Menu::Menu(const QString& name, const QString& caption) : name_(name), caption_(caption) {}

Menu& Menu::append(Menu& item) {
    item.parent_ = this;
    items_.push_back(&item);
    return item;
}

void Menu::insertAfter(Menu* after, Menu& item) {
    item.parent_ = this;
    auto it = std::find(items_.begin(), items_.end(), after);
    if (it == items_.end())
        items_.push_back(&item);
    else
        items_.insert(it + 1, &item);
}

void Menu::click() {
    if (array_)
        dispatch(array_->onClick, index_);
    else
        dispatch(onClick);
}

MenuArray::MenuArray(const QString& name) : name_(name) {}

Menu& MenuArray::add(Menu& parent, int index, const QString& caption) {
    if (exists(index)) rt::raise(360);  // object already loaded
    auto item = std::make_unique<Menu>(name_, caption);
    item->index_ = index;
    item->array_ = this;
    Menu& ref = *item;
    items_[index] = std::move(item);
    design_[index] = true;
    parent.append(ref);
    return ref;
}

Menu& MenuArray::operator()(int index) const {
    auto it = items_.find(index);
    if (it == items_.end()) rt::raise(rt::ControlArrayElementMissing);
    return *it->second;
}

Menu& MenuArray::load(int index) {
    if (exists(index)) rt::raise(360);
    if (items_.empty()) rt::raise(rt::ControlArrayElementMissing);
    const Menu& first = *items_.begin()->second;
    Menu* last = items_.rbegin()->second.get();
    auto item = std::make_unique<Menu>(name_, first.caption());
    item->index_ = index;
    item->array_ = this;
    item->checked_ = first.checked_;
    item->enabled_ = first.enabled_;
    item->visible_ = first.visible_;
    Menu& ref = *item;
    items_[index] = std::move(item);
    if (last->parent_) last->parent_->insertAfter(last, ref);
    return ref;
}

void MenuArray::unload(int index) {
    auto it = items_.find(index);
    if (it == items_.end()) rt::raise(rt::ControlArrayElementMissing);
    if (design_.count(index)) rt::raise(362);  // items made at design time stay
    Menu* item = it->second.get();
    if (Menu* parent = item->parent_) {
        auto& v = parent->items_;
        v.erase(std::remove(v.begin(), v.end(), item), v.end());
    }
    items_.erase(it);
}

int MenuArray::lbound() const {
    if (items_.empty()) rt::raise(rt::SubscriptOutOfRange);
    return items_.begin()->first;
}

int MenuArray::ubound() const {
    if (items_.empty()) rt::raise(rt::SubscriptOutOfRange);
    return items_.rbegin()->first;
}

namespace {

void describe(const Menu& menu, std::vector<PopupItem>& out, std::vector<Menu*>& byId) {
    for (Menu* item : menu.items()) {
        PopupItem p;
        p.id = static_cast<int>(byId.size());
        byId.push_back(item);
        p.name = item->name();
        p.index = item->index();
        p.caption = item->caption();
        p.checked = item->checked();
        p.enabled = item->enabled();
        p.visible = item->visible();
        describe(*item, p.items, byId);
        out.push_back(std::move(p));
    }
}

}  // namespace

bool popupMenu(Menu& menu) {
    PopupRequest request;
    request.name = menu.name();
    std::vector<Menu*> byId;
    describe(menu, request.items, byId);
    const int chosen = services().popupMenu(request);
    if (chosen < 0 || chosen >= static_cast<int>(byId.size())) return false;
    Menu* item = byId[chosen];
    // Only an item a person could pick runs: visible, enabled, no separator, no submenu.
    if (!item->visible() || !item->enabled() || item->isSeparator() || !item->items().empty()) return false;
    item->click();
    return true;
}

}  // namespace ui
