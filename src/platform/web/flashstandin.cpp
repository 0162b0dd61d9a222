#include "platform/web/flashstandin.h"

#include "platform/sys/windows.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
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

// The engine's widget for the object: it stays in the page and the player follows it.
class PluginSite : public QWidget {
public:
    PluginSite(QWidget* page, QWidget* player) : QWidget(page), player_(player) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        player->installEventFilter(this);
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
        return false;
    }

private:
    void follow() {
        if (!player_) return;
        QWidget* page = parentWidget();
        const bool inPage = page && player_->parentWidget() == page;
        player_->setAttribute(Qt::WA_TransparentForMouseEvents, inPage);
        if (!inPage) {
            // Out of its page nothing clips the object: the player shows whole, also when only a
            // part of it was in view in the page.
            player_->clearMask();
            return;
        }
        player_->setGeometry(geometry());
        if (mask().isEmpty()) player_->clearMask();
        else player_->setMask(mask());
        player_->setVisible(!isHidden());
    }

    QPointer<QWidget> player_;
};

}  // namespace

PluginHook flashStandIns() {
    return [](const QString& mimeType, const QUrl& url, const QStringList&, const QStringList&,
              QWidget* parent) -> QWidget* {
        if (mimeType.compare(QLatin1String("application/x-shockwave-flash"), Qt::CaseInsensitive) != 0 || !parent)
            return nullptr;
        auto* player = new StandInPlayer(url.toString(), parent);
        player->hide();
        sys::registerWindow(player, QString::fromLatin1(kFlashPlayerClass));
        return new PluginSite(parent, player);
    };
}

}  // namespace web
