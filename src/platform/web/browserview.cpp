#include "platform/web/browserview.h"

#include "platform/ui/services.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QList>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedPointer>

namespace web {

bool BrowserView::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchEnd:
        if (BrowserPage* p = browserPage()) p->noteUserInput();
        break;
    case QEvent::MouseMove:
        // A drag that selects text: the button is held while the pointer moves.
        if (static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton) {
            if (BrowserPage* p = browserPage()) p->noteUserInput();
        }
        break;
    default:
        break;
    }
    return QWebView::event(event);
}

void BrowserView::contextMenuEvent(QContextMenuEvent* event) {
    Q_UNUSED(event);
    // The view has already given the page's handlers (the document sinks among them) their say and
    // arrived here only when none of them cancelled the menu.
    QPointer<BrowserPage> page = browserPage();
    QScopedPointer<QMenu> menu(page->createStandardContextMenu());
    if (!menu) return;
    ui::PopupRequest request;
    request.name = QStringLiteral("engine");
    QList<QAction*> actions;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible()) continue;
        ui::PopupItem item;
        item.id = actions.size();
        item.caption = action->isSeparator() ? QStringLiteral("-") : action->text();
        item.enabled = action->isEnabled();
        item.checked = action->isChecked();
        request.items.push_back(item);
        actions.append(action);
    }
    const int chosen = ui::services().popupMenu(request);
    if (page && chosen >= 0 && chosen < actions.size() && !actions[chosen]->isSeparator()) actions[chosen]->trigger();
}

void BrowserView::keyPressEvent(QKeyEvent* event) {
    const bool f5 = event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier;
    QPointer<BrowserPage> page = browserPage();
    if (f5) page->f5Cancelled = false;
    QWebView::keyPressEvent(event);
    if (f5 && page && !page->f5Cancelled) {
        page->triggerAction(QWebPage::Reload);
        event->accept();
    }
}

}  // namespace web
