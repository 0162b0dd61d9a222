#pragma once
// The plug-in list of every page: the program's stand-in hook as a plug-in (web layer internal).
#include <QPointer>
#include <QWebPluginFactory>
#include <QWidget>

namespace web {

class PluginFactory : public QWebPluginFactory {
    Q_OBJECT
public:
    explicit PluginFactory(QWidget* view, QObject* parent);
    QList<Plugin> plugins() const override;
    QObject* create(const QString& mimeType, const QUrl& url, const QStringList& argumentNames,
                    const QStringList& argumentValues) const override;

private:
    QPointer<QWidget> view_;
};

}  // namespace web
