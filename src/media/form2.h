#pragma once
// The picture viewer window, in the least form the main window's commands need until it is built in
// full: its browser shows one picture.
#include "platform/ui/form.h"
#include "platform/web/webbrowser.h"

class Form2 : public ui::Form {
public:
    Form2();
    web::WebBrowser WebBrowser1{client()};
};
