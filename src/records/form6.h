#pragma once
// The download list window (caption "下载"): its browser shows `\txt\xiazai.html`, a numbered list of
// the downloads' links, newest first; the hidden list `List1` mirrors the file line by line. `XRA` is
// the connection to the page it shows (attached at each completed load while the window is in list
// mode). Its handlers are DownloadWindow's (downloadwindow.h); the record of a download is
// DownloadList's (downloadlist.h); the menu `Form14.xiazai` DownloadMenu's.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/web/documentsink.h"
#include "platform/web/webbrowser.h"

#include <QString>
#include <QStringList>

class Form6 : public ui::Form {
public:
    Form6();
    ~Form6() override;

    web::WebBrowser WebBrowser1{client()};
    ui::ListBox List1{client()};

    web::DocumentSink XRA;
    void setXRA(const web::Document& doc) { XRA.attach(doc); }

    // True from the load; false from the first click on a record until the list is shown again.
    bool listMode = true;

    int hWnd();

    static QString listFile();
    QStringList records() const;
    // Writes every mirror item, item 0 first, as the file's lines (the `\txt` folder made when
    // missing); raises the file layer's error when the file cannot be written.
    void downloadRewrite();
    // Shows the list file again, in list mode.
    void downloadReload();
};
