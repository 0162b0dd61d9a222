#pragma once
// The whole program: its window owner, its parts (the subsystem objects that set the handlers of the
// windows) and its start. `main` makes one and runs `start`; the tests make one per test.
//
// The program is wired in phases:
//  1. engine-wide hooks, before any window exists (a page engine reads them when a browser is made);
//  2. the main window and the menu owner, then every part: each constructor sets only the handlers
//     its part owns;
//  3. the links: the handler classes of the secondary windows, made with each such window.
// Parts reach each other through `forms::part<T>()` at the moment of a call, never through
// references taken while they are made.
#include "forms/parts.h"
#include "forms/windowowner.h"

#include <QString>

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

    WindowOwner& windows() { return windows_; }
    Parts& parts() { return parts_; }
    // For tests: the part of type T, or nullptr when the program has none (the program's own code
    // reaches parts through `forms::part<T>()`).
    template <class T>
    T* find() const {
        return parts_.find<T>();
    }

private:
    void installEngineHooks();
    void makeParts();
    void linkWindows();

    QString commandLine_;
    // Made in this order and destroyed in the reverse: the windows go before the parts, so no late
    // event of a page reaches a part that is gone (part destructors do not touch the windows).
    Parts parts_;
    WindowOwner windows_;
    bool wired_ = false;
};
