#pragma once
#include "platform/ui/control.h"

#include <QString>

class QListWidget;

namespace ui {

// A list box: items, the selected index (-1 none), click and double-click. Setting the index from
// code raises the click event when it changes, as a click would.
class ListBox : public Control {
public:
    explicit ListBox(QWidget* parent);

    int listCount() const;
    int listIndex() const;
    void setListIndex(int index);
    // Adds an item at `index` (at the end when -1); an index beyond the end raises error 5.
    void addItem(const QString& text, int index = -1);
    void removeItem(int index);
    void clear();
    // The text of item i; "" for an index with no item.
    QString list(int index) const;
    void setList(int index, const QString& text);
    QString text() const { return list(listIndex()); }
    int topIndex() const;
    void setTopIndex(int index);

    void copyStateFrom(const Control& other) override;

private:
    QListWidget* list_;
    bool fromCode_ = false;
    bool clickedThisPress_ = false;
};

}  // namespace ui
