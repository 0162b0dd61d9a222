#pragma once
// The parts of the running program: the subsystem objects that set the handlers of the windows.
// The program makes each part once and registers it here; a part that calls a procedure of another
// part finds it by its type at the moment of the call (`forms::part<GoCommand>()`), so parts may be
// made in any order. Looking up a part that was never made is a programming error: it ends the
// program with a message naming the type, rather than being skipped like a runtime error.
#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

class Parts {
public:
    Parts();
    // Destroys the parts, the last made first.
    ~Parts();
    Parts(const Parts&) = delete;
    Parts& operator=(const Parts&) = delete;

    // The parts of the running program (the one made last); nullptr when there is none.
    static Parts* current();
    // The same; ends the program when there is none.
    static Parts& running();

    template <class T, class... Args>
    T& make(Args&&... args) {
        auto made = std::make_shared<T>(std::forward<Args>(args)...);
        parts_.emplace_back(std::type_index(typeid(T)), made);
        return *made;
    }

    template <class T>
    T* find() const {
        for (const auto& part : parts_)
            if (part.first == std::type_index(typeid(T))) return static_cast<T*>(part.second.get());
        return nullptr;
    }

    template <class T>
    T& get() const {
        T* part = find<T>();
        if (!part) missing(typeid(T).name());
        return *part;
    }

private:
    [[noreturn]] static void missing(const char* type);
    std::vector<std::pair<std::type_index, std::shared_ptr<void>>> parts_;
    Parts* previous_ = nullptr;
};

namespace forms {

// The part of type T of the running program; ends the program when there is none.
template <class T>
T& part() {
    return Parts::running().get<T>();
}

}  // namespace forms
