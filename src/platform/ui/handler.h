#pragma once
// An event slot: the one handler of one event. Every slot has exactly one owner, the part that sets
// it; setting a slot that holds a handler already is a programming error. It is recorded in a
// process-wide list (the tests fail on it) and printed, and the new handler takes the slot as before;
// it never throws, so a statement that sets a slot is never skipped for it. Setting nullptr (or an
// empty function) clears the slot, so clearing and setting again is fine.
//
// Calling, testing (explicit operator bool), copying (a copy is a value, not a second owner: copies
// are how handlers are run, see dispatch() in events.h) work as with std::function.
#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

namespace ui {

// The slots set twice since the last clear, one description each, in the order it happened.
QStringList handlerConflicts();
void clearHandlerConflicts();
// Records and prints one conflict (for Handler).
void reportHandlerConflict(const char* slot);

template <class Signature>
class Handler;

template <class R, class... Args>
class Handler<R(Args...)> {
public:
    using Function = std::function<R(Args...)>;

    Handler() = default;
    // `description` names the slot in a conflict report ("Control.onClick"); a string literal.
    explicit Handler(const char* description) : description_(description) {}
    Handler(const Handler&) = default;
    Handler(Handler&&) noexcept = default;
    ~Handler() = default;

    // Sets the handler (any function of the signature).
    template <class F,
              class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Handler> &&
                                       !std::is_same_v<std::decay_t<F>, std::nullptr_t> &&
                                       std::is_constructible_v<Function, F&&>>>
    Handler& operator=(F&& function) {
        set(Function(std::forward<F>(function)));
        return *this;
    }
    // Clears the slot.
    Handler& operator=(std::nullptr_t) {
        function_ = nullptr;
        return *this;
    }
    // Sets the handler another slot (or a saved copy) holds; the slot keeps its own description.
    Handler& operator=(const Handler& other) {
        if (this != &other) set(other.function_);
        return *this;
    }
    Handler& operator=(Handler&& other) noexcept {
        if (this != &other) set(std::move(other.function_));
        return *this;
    }

    explicit operator bool() const { return static_cast<bool>(function_); }
    // Calls the handler (std::bad_function_call when the slot is empty, as std::function).
    R operator()(Args... args) const { return function_(std::forward<Args>(args)...); }

    const char* description() const { return description_; }

private:
    void set(Function next) {
        if (function_ && next) reportHandlerConflict(description_);
        function_ = std::move(next);
    }

    Function function_;
    const char* description_ = "event handler";
};

}  // namespace ui
