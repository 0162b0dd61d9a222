#pragma once
// The visit log window, in the least form the main window's commands need until it is built in full.
#include "platform/ui/form.h"

class Form3 : public ui::Form {
public:
    Form3();
};
