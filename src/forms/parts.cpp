#include "forms/parts.h"

#include <QtGlobal>

namespace {
Parts* current_ = nullptr;
}  // namespace

Parts::Parts() : previous_(current_) { current_ = this; }

Parts::~Parts() {
    while (!parts_.empty()) parts_.pop_back();
    if (current_ == this) current_ = previous_;
}

Parts* Parts::current() { return current_; }

Parts& Parts::running() {
    if (!current_) qFatal("The program is not running: no parts.");
    return *current_;
}

void Parts::missing(const char* type) { qFatal("The program has no part of type %s.", type); }
