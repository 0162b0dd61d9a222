#pragma once
// A control array of check boxes whose keyboard toggles are raised at the array level with the index
// first, as their mouse events are: onKeyboardToggle(Index).
#include "platform/ui/checkbox.h"
#include "platform/ui/controlarray.h"

#include <QString>

namespace ui {

class CheckBoxArray : public ControlArray<CheckBox> {
public:
    explicit CheckBoxArray(const QString& name = QString()) : ControlArray<CheckBox>(name) {}

    Handler<void(int index)> onKeyboardToggle{"CheckBoxArray.onKeyboardToggle"};

protected:
    void placed(int index, CheckBox& item) override {
        item.onKeyboardToggle = [this, index] { dispatch(onKeyboardToggle, index); };
    }
};

}  // namespace ui
