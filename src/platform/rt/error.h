#pragma once
// The runtime error and the statement-by-statement error rule of the program.
//
// Every handler ignores errors statement by statement: `step` runs one statement and skips it when it
// raises; `guard` evaluates a test, and a test that fails to evaluate counts as true, so the branch it
// guards runs. Public procedures that trap nothing simply let `RuntimeError` out to their caller.
#include <QString>
#include <exception>
#include <string>
#include <utility>

namespace rt {

// Error numbers of the runtime.
enum ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    FileAlreadyOpen = 55,
    BadFileNameOrNumber = 52,
    PathFileAccessError = 75,
    PathNotFound = 76,
    PermissionDenied = 70,
    ObjectRequired = 424,
    ObjectVariableNotSet = 91,
    ControlArrayElementMissing = 340,
    InvalidPropertyValue = 380,
    InvalidPropertyArrayIndex = 381,
    InvalidPicture = 481,
    AutomationError = 440,
    ObjectDoesNotSupport = 438,
};

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number, QString description = QString())
        : number_(number), description_(std::move(description)),
          what_("runtime error " + std::to_string(number)) {}
    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

[[noreturn]] inline void raise(int number, const QString& description = QString()) {
    throw RuntimeError(number, description);
}

// Runs one statement; a runtime error (or any standard exception) skips it. Returns false when skipped.
template <class F>
bool step(F&& statement) {
    try {
        statement();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Evaluates a test; a test that fails to evaluate counts as true.
template <class F>
bool guard(F&& test) {
    try {
        return static_cast<bool>(test());
    } catch (const std::exception&) {
        return true;
    }
}

}  // namespace rt
