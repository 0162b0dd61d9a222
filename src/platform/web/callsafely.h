#pragma once
// Runs a program handler from inside the engine (web layer internal).
namespace web {

// Runs a program handler; an error escaping it skips it and goes no further (never into the engine).
template <class F>
void callSafely(F&& call) {
    try {
        call();
    } catch (...) {
    }
}

}  // namespace web
