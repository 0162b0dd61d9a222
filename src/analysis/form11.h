#pragma once
// The source window (design caption "源码"): one browser that shows every page view, and `LIUYI`, the
// connection to the view it shows (attached at each completion while the browser is idle). Its
// handlers are SourceWindow's (sourcewindow.h); the menu `Form14.yuanmayj` SourceMenu's (sourcemenu.h).
#include "platform/ui/form.h"
#include "platform/web/documentsink.h"
#include "platform/web/webbrowser.h"

class Form11 : public ui::Form {
public:
    Form11();
    ~Form11() override;

    web::WebBrowser WebBrowser1{client()};
    web::DocumentSink LIUYI;
    void setLIUYI(const web::Document& doc) { LIUYI.attach(doc); }
};
