#pragma once
// Menus: a tree of items with caption ("-" makes a separator, "&" marks the access key), checked,
// enabled, visible and tag. Items of an item array share one click handler that receives the index;
// a single item has its own. popupMenu() shows a menu's items at the pointer through the services and
// runs the chosen item's handler before it returns.
#include "platform/ui/handler.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace ui {

class MenuArray;

class Menu {
public:
    explicit Menu(const QString& name = QString(), const QString& caption = QString());
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const QString& name() const { return name_; }
    int index() const { return index_; }
    MenuArray* array() const { return array_; }

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }
    bool checked() const { return checked_; }
    void setChecked(bool checked) { checked_ = checked; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    bool isSeparator() const { return caption_ == QLatin1String("-"); }

    // The items of this menu (its submenu), in display order.
    const std::vector<Menu*>& items() const { return items_; }
    Menu* parent() const { return parent_; }
    // Appends a single item (owned by the caller) to this menu.
    Menu& append(Menu& item);

    // Handler of a single item; array items go to their array's handler.
    Handler<void()> onClick{"Menu.onClick"};
    // Runs the item's click handler (array items: the array's, with the index).
    void click();

private:
    friend class MenuArray;
    void insertAfter(Menu* after, Menu& item);
    QString name_;
    int index_ = -1;
    MenuArray* array_ = nullptr;
    QString caption_;
    bool checked_ = false, enabled_ = true, visible_ = true;
    QString tag_;
    std::vector<Menu*> items_;
    Menu* parent_ = nullptr;
};

class MenuArray {
public:
    explicit MenuArray(const QString& name);
    MenuArray(const MenuArray&) = delete;
    MenuArray& operator=(const MenuArray&) = delete;

    const QString& name() const { return name_; }
    // Adds item `index` with `caption` at the end of `parent`'s items.
    Menu& add(Menu& parent, int index, const QString& caption);
    // The item; an index with no item raises error 340.
    Menu& operator()(int index) const;
    bool exists(int index) const { return items_.count(index) != 0; }
    // A new item after the array's last item in the same menu, with the caption of the first item.
    Menu& load(int index);
    // Removes an item loaded at run time.
    void unload(int index);
    int lbound() const;
    int ubound() const;
    int count() const { return static_cast<int>(items_.size()); }

    Handler<void(int index)> onClick{"MenuArray.onClick"};

private:
    QString name_;
    std::map<int, std::unique_ptr<Menu>> items_;
    std::map<int, bool> design_;
};

// Shows the menu's items at the pointer and waits; the chosen item's handler runs before it returns.
// Returns true when an item was chosen, false when the menu was dismissed.
bool popupMenu(Menu& menu);

}  // namespace ui
