#include "page/pageevents.h"

#include "forms/form1.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"

using rt::step;

PageEvents::PageEvents(Form1& form) : hintBar(form), navigationGuard(form), postProcessing(form, hintBar), f(form) {
    f.Command10.onClick = [this] { Command10_Click(); };
}

void PageEvents::Command10_Click() {
    step([&] { f.setORIBERISA(web::Document()); });
    step([&] { f.setORIBERISA(f.WebBrowser1(rt::toInt32(f.Command10.tag())).document()); });
}
