#pragma once
// Event plumbing shared by the controls: running a handler as the top of an event (an error that
// escapes a handler ends that handler only), and the numbers the program's handlers receive.
#include "platform/ui/handler.h"

#include <Qt>
#include <exception>
#include <functional>
#include <utility>

namespace ui {

// Mouse button bits and shift-state bits as event handlers receive them.
enum MouseButtonBits : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftBits : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

int buttonBits(Qt::MouseButtons buttons);
int shiftBits(Qt::KeyboardModifiers modifiers);
// The key code of a key (letters as capitals, F1 = 112, Enter = 13, ...), 0 when it has none.
int keyCodeOf(int qtKey);

using MouseHandler = Handler<void(int button, int shift, double x, double y)>;

// Runs a handler as an event: a copy is called (the handler may replace itself), and a runtime error
// that escapes it ends the handler and nothing else. Returns false when the handler failed.
template <class F, class... Args>
bool dispatch(const F& handler, Args&&... args) {
    if (!handler) return true;
    F copy = handler;
    try {
        copy(std::forward<Args>(args)...);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace ui
