#include "forms/pageelements.h"

#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/web/webbrowser.h"

namespace forms {

web::Element appendToBody(const web::Document& doc, const QString& tag, const QString& id,
                          const std::vector<std::function<void(web::Element&)>>& fill, const QString& css) {
    web::Element e;
    rt::step([&] { e = doc.createElement(tag); });
    rt::step([&] { e.setId(id); });
    for (const auto& property : fill) rt::step([&] { property(e); });
    if (!css.isNull()) rt::step([&] { e.setStyleCssText(css); });
    rt::step([&] { doc.body().appendChild(e); });
    return e;
}

void removeFromBody(const web::Document& doc, const QString& id) {
    const web::Element body = doc.body();
    web::Element e = doc.getElementById(id);
    if (e.isNull() || body.isNull() || e.parentElement() != body) rt::raise(rt::InvalidProcedureCall);
    e.remove();
}

QString programPicture(const QString& tail) {
    return web::localPictureUrl(sys::nativePath(sys::appPath() + tail));
}

}  // namespace forms
