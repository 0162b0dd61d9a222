#include "platform/web/flashstandin.h"

#include "platform/sys/windows.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QWidget>

namespace web {

const char* const kFlashPlayerClass = "MacromediaFlashPlayerActiveX";

namespace {

// The player window: a dark box with "Flash" and the object's address.
class StandInPlayer : public QWidget {
public:
    StandInPlayer(const QString& address, QWidget* parent) : QWidget(parent), address_(address) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setToolTip(address);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect box = rect();
        p.fillRect(box, isEnabled() ? QColor(0x20, 0x24, 0x2c) : QColor(0x30, 0x30, 0x30));
        p.setPen(QColor(0x60, 0x68, 0x78));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        QFont big = font();
        big.setPointSizeF(big.pointSizeF() * 1.8);
        big.setBold(true);
        p.setFont(big);
        p.setPen(QColor(0xE8, 0x3A, 0x2E));
        const QRect upper(box.left(), box.top(), box.width(), box.height() / 2);
        p.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Flash"));
        p.setFont(font());
        p.setPen(QColor(0xD0, 0xD4, 0xDC));
        const QRect lower = QRect(box.left() + 8, box.top() + box.height() / 2 + 4, box.width() - 16, box.height() / 2 - 8);
        const QString shown = QFontMetrics(font()).elidedText(address_, Qt::ElideMiddle, lower.width());
        p.drawText(lower, Qt::AlignHCenter | Qt::AlignTop, shown);
    }

private:
    QString address_;
};

// The boxes of the shown page elements that `selector` names, in the page window's coordinates.
QRegion shownBoxes(QWidget* page, const QString& selector) {
    auto* view = qobject_cast<QWebView*>(page);
    if (selector.isEmpty() || !view || !view->page()) return QRegion();
    QWebFrame* frame = view->page()->mainFrame();
    QRegion boxes;
    for (const QWebElement& e : frame->findAllElements(selector)) {
        if (e.styleProperty(QStringLiteral("visibility"), QWebElement::ComputedStyle) == QLatin1String("hidden") ||
            e.styleProperty(QStringLiteral("display"), QWebElement::ComputedStyle) == QLatin1String("none"))
            continue;
        boxes += e.geometry().translated(-frame->scrollPosition());
    }
    return boxes;
}

// The engine's widget for the object: it stays in the page and the player follows it.
class PluginSite : public QWidget {
public:
    PluginSite(QWidget* page, QWidget* player, const QString& overPlayers)
        : QWidget(page), player_(player), overPlayers_(overPlayers) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        player->installEventFilter(this);
        // Every repaint of the page may have shown, moved or hidden an element over the players.
        if (page && !overPlayers_.isEmpty()) page->installEventFilter(this);
        follow();
    }
    ~PluginSite() override {
        // The object left its page: its player goes too, wherever it is.
        if (player_) delete player_.data();
    }

protected:
    bool event(QEvent* e) override {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
            follow();
            break;
        default:
            break;
        }
        return QWidget::event(e);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == player_ && e->type() == QEvent::ParentChange) follow();
        if (watched == parentWidget() && e->type() == QEvent::Paint && !pending_) {
            // Looked at once the page has painted: a new mask now would repaint the page inside its paint.
            pending_ = true;
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                follow();
            });
        }
        return false;
    }

private:
    void follow() {
        if (!player_) return;
        QWidget* page = parentWidget();
        const bool inPage = page && player_->parentWidget() == page;
        player_->setAttribute(Qt::WA_TransparentForMouseEvents, inPage);
        if (!inPage) {
            // Out of its page nothing clips the object and nothing of the page lies over it: the player
            // shows whole, also when only a part of it was in view in the page.
            maskPlayer(QRegion());
            return;
        }
        player_->setGeometry(geometry());
        siteMask_ = mask();
        const QRect whole(QPoint(0, 0), size());
        const QRegion over = shownBoxes(page, overPlayers_).translated(-pos()) & whole;
        if (over.isEmpty()) maskPlayer(siteMask_);
        else if (QRegion shown = (siteMask_.isEmpty() ? QRegion(whole) : siteMask_) - over; !shown.isEmpty())
            maskPlayer(shown);
        else maskPlayer(QRegion(-1, -1, 1, 1));  // covered whole: a mask that leaves nothing of it
        player_->setVisible(!isHidden());
    }
    // Gives the player `mask` (empty: the whole player) when it has another one: a new mask repaints
    // the page, and a repaint of the page makes the site look again.
    void maskPlayer(const QRegion& mask) {
        if (player_->mask() == mask) return;
        if (mask.isEmpty()) player_->clearMask();
        else player_->setMask(mask);
    }

    QPointer<QWidget> player_;
    QString overPlayers_;
    QRegion siteMask_;    // the site's mask when the player last followed it
    bool pending_ = false;
};

}  // namespace

PluginHook flashStandIns(const QString& overPlayers) {
    return [overPlayers](const QString& mimeType, const QUrl& url, const QStringList&, const QStringList&,
              QWidget* parent) -> QWidget* {
        if (mimeType.compare(QLatin1String("application/x-shockwave-flash"), Qt::CaseInsensitive) != 0 || !parent)
            return nullptr;
        auto* player = new StandInPlayer(url.toString(), parent);
        player->hide();
        sys::registerWindow(player, QString::fromLatin1(kFlashPlayerClass));
        return new PluginSite(parent, player, overPlayers);
    };
}

}  // namespace web
