#pragma once
// For the check box and the option button (ui layer internal).
#include "platform/ui/control.h"
#include "platform/ui/twips.h"

#include <QMouseEvent>

#include <functional>

namespace ui {

// Check box and option button widgets raise mouse-up after the widget has handled the release, so a
// handler sees the value the click produced. `releasing` is true while the widget handles a mouse
// release: a change of state at any other time, not made by code, came from the keyboard.
template <class Base>
class AfterReleaseButton : public Base {
public:
    using Base::Base;
    std::function<void(QMouseEvent*)> afterRelease;
    bool releasing = false;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        releasing = true;
        Base::mouseReleaseEvent(e);
        releasing = false;
        if (afterRelease) afterRelease(e);
    }
};

template <class W>
inline void wireMouseUp(W* w, Control* c) {
    w->afterRelease = [c](QMouseEvent* e) {
        dispatch(c->onMouseUp, buttonBits(e->button()), shiftBits(e->modifiers()),
                 e->localPos().x() * kTwipsPerPixel, e->localPos().y() * kTwipsPerPixel);
    };
}

}  // namespace ui
