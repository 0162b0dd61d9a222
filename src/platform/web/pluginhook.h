#pragma once
// The program's stand-in for plug-in objects of pages.
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QWidget;

namespace web {

// A hook that may put a widget of the program's in place of a plug-in object of a page (a Flash
// object, "application/x-shockwave-flash"). Called with the object's MIME type, its address, and its
// parameter names and values; returns the widget (parented to `parent`) or nullptr to leave the
// object to the engine. Set it before the browsers are made: a page reads the plug-in list once.
using PluginHook = std::function<QWidget*(const QString& mimeType, const QUrl& url, const QStringList& names,
                                          const QStringList& values, QWidget* parent)>;
void setPluginHook(PluginHook hook);
// For the web layer: the hook set (empty when none).
const PluginHook& pluginHook();

}  // namespace web
