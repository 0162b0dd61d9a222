#pragma once
// The download list window, in the least form the main window's commands need until it is built in
// full.
#include "platform/ui/form.h"

class Form6 : public ui::Form {
public:
    Form6();
};
