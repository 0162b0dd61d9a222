#pragma once
// The whole program: the main window, the menu owner and every subsystem object that sets their
// handlers. `start` runs the start as the process does: the folder check and the desktop shortcut
// first, then the main window's load, then (when asked) it is shown.
//
// Subsystems reach each other through `app::program().find<T>()` where a procedure of one is called
// directly by another (for instance the exit path ending a pending frame-blocking grace).
#include <QString>

#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

namespace app {

class Program {
public:
    // `commandLine` is the program's one argument ("" for none).
    explicit Program(const QString& commandLine = QString());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Returns false when the program must not start (the message was shown and the end of the
    // process requested). `show` shows the main window after its load.
    bool start(bool show = true);

    template <class T>
    T* find() const {
        for (const auto& part : parts_)
            if (part.first == std::type_index(typeid(T))) return static_cast<T*>(part.second.get());
        return nullptr;
    }

    static Program* current();

private:
    template <class T, class... Args>
    T& add(Args&&... args) {
        auto made = std::make_shared<T>(std::forward<Args>(args)...);
        parts_.emplace_back(std::type_index(typeid(T)), made);
        return *made;
    }
    void wire();

    QString commandLine_;
    std::vector<std::pair<std::type_index, std::shared_ptr<void>>> parts_;
};

// The running program (the one made last).
Program& program();

}  // namespace app
