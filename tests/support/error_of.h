#pragma once
// The runtime error number a call raises, or 0 when it returns.
#include "platform/rt/error.h"

template <class F>
int errorOf(F&& f) {
    try {
        f();
    } catch (const rt::RuntimeError& e) {
        return e.number();
    }
    return 0;
}
