#include "page/pageevents.h"

#include "forms/form1.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"

using rt::step;

PageEvents::PageEvents(Form1& form) : f(form) {
    f.WebBrowser1.onDownloadComplete = [this](int Index) { WebBrowser1_DownloadComplete(Index); };
    f.Command10.onClick = [this] { Command10_Click(); };
}

void PageEvents::WebBrowser1_DownloadComplete(int Index) {
    if (Index != 1) return;
    step([&] { f.setM_Dom(f.WebBrowser1(1).document()); });
}

void PageEvents::Command10_Click() {
    step([&] { f.setORIBERISA(web::Document()); });
    step([&] { f.setORIBERISA(f.WebBrowser1(rt::toInt32(f.Command10.tag())).document()); });
}
