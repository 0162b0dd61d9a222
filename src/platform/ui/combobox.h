#pragma once
#include "platform/ui/control.h"

#include <QString>
#include <functional>

class QComboBox;

namespace ui {

// A combo box: an editable text with a drop-down list (style 0), or a drop-down list only (style 2).
// Choosing an item (or setting the index from code) raises click; a change of the text raises change.
class ComboBox : public Control {
public:
    explicit ComboBox(QWidget* parent);

    int style() const { return style_; }
    void setStyle(int style);
    QString text() const;
    void setText(const QString& text);
    int listCount() const;
    int listIndex() const;
    void setListIndex(int index);
    void addItem(const QString& text, int index = -1);
    void removeItem(int index);
    void clear();
    QString list(int index) const;
    void setList(int index, const QString& text);

    Handler<void()> onChange{"ComboBox.onChange"};

    void copyStateFrom(const Control& other) override;

private:
    QComboBox* combo_;
    int style_ = 0;
    bool fromCode_ = false;
};

}  // namespace ui
