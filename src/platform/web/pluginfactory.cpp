#include "platform/web/pluginfactory.h"

#include "platform/web/callsafely.h"
#include "platform/web/pluginhook.h"

namespace web {

PluginFactory::PluginFactory(QWidget* view, QObject* parent) : QWebPluginFactory(parent), view_(view) {}

QList<QWebPluginFactory::Plugin> PluginFactory::plugins() const {
    QList<Plugin> list;
    if (!pluginHook()) return list;
    Plugin plugin;
    plugin.name = QStringLiteral("Zelvaro stand-in");
    MimeType flash;
    flash.name = QStringLiteral("application/x-shockwave-flash");
    flash.fileExtensions << QStringLiteral("swf");
    plugin.mimeTypes << flash;
    list << plugin;
    return list;
}

QObject* PluginFactory::create(const QString& mimeType, const QUrl& url, const QStringList& argumentNames,
                               const QStringList& argumentValues) const {
    if (!pluginHook()) return nullptr;
    QObject* widget = nullptr;
    PluginHook hook = pluginHook();
    callSafely([&] { widget = hook(mimeType, url, argumentNames, argumentValues, view_); });
    return widget;
}

}  // namespace web
