#include "media/pictureviewer.h"

#include "media/form2.h"
#include "platform/rt/error.h"

PictureViewer::PictureViewer(Form2& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.WebBrowser1.onDocumentComplete = [this](const QString&) { WebBrowser1_DocumentComplete(); };
}

void PictureViewer::Form_Load() { w.setCaption(QStringLiteral("图片")); }

void PictureViewer::WebBrowser1_DocumentComplete() {
    rt::step([&] { w.show(); });
    rt::step([&] { w.activate(); });
}
