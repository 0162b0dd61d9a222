#pragma once
// The view that shows a browser's page (web layer internal): F5 reloads unless a document sink
// cancelled the key, and the engine's own menu goes through the popup menu service. It tells its page
// of the user's own input (buttons, keys) as it arrives, so the page can tell what the user asked for.
#include "platform/web/browserpage.h"

#include <QWebView>

class QContextMenuEvent;
class QKeyEvent;

namespace web {

class BrowserView : public QWebView {
    Q_OBJECT
public:
    explicit BrowserView(QWidget* parent) : QWebView(parent) {}
    BrowserPage* browserPage() const { return static_cast<BrowserPage*>(page()); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The engine's own menu, shown through the popup menu service.
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace web
