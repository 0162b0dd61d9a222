#include "platform/ui/services.h"

#include "platform/rt/error.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/ui/twips.h"

namespace ui {

QString defaultTitle() { return QStringLiteral("Zelvaro浏览器"); }

namespace {

QString titleOr(const QString& title) { return title.isEmpty() ? defaultTitle() : title; }

QRect toTwipsRect(const QRect& r) {
    return QRect(r.x() * kTwipsPerPixel, r.y() * kTwipsPerPixel, r.width() * kTwipsPerPixel,
                 r.height() * kTwipsPerPixel);
}

void buildMenu(QMenu* menu, const std::vector<PopupItem>& items, std::map<QAction*, int>& ids) {
    for (const PopupItem& item : items) {
        if (!item.visible) continue;
        if (item.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (!item.items.empty()) {
            QMenu* sub = menu->addMenu(item.caption);
            sub->setEnabled(item.enabled);
            buildMenu(sub, item.items, ids);
            continue;
        }
        QAction* action = menu->addAction(item.caption);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        ids[action] = item.id;
    }
}

// A modal box over the active window, made on the heap: the window owns its children and deletes
// them when it is destroyed, also while the box is open. The box is deleted with this holder, unless
// its window took it first; then it reads as null.
template <class Box>
class Dialog {
public:
    Dialog() : box_(new Box(QApplication::activeWindow())) {}
    ~Dialog() { delete box_.data(); }
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    Box* operator->() const { return box_.data(); }
    explicit operator bool() const { return !box_.isNull(); }

private:
    QPointer<Box> box_;
};

class RealServices : public Services {
public:
    int msgBox(const QString& prompt, int style, const QString& title) override {
        // Closed without a button: the cancelling answer.
        const int cancelled = (style & 7) == vbYesNo ? vbNo : (style & 7) == vbOKCancel ? vbCancel : vbOK;
        // The box lies over the active window, which may be destroyed while the box is open (a window
        // unloaded by a timer or a deferred deletion): the window then takes the box with it, and the
        // answer is the cancelling one.
        Dialog<QMessageBox> box;
        box->setWindowTitle(titleOr(title));
        // Prompts carry page titles, addresses and tag names: text, never markup to render.
        box->setTextFormat(Qt::PlainText);
        box->setText(prompt);
        switch (style & 0x70) {
        case vbCritical: box->setIcon(QMessageBox::Critical); break;
        case vbQuestion: box->setIcon(QMessageBox::Question); break;
        case vbExclamation: box->setIcon(QMessageBox::Warning); break;
        case vbInformation: box->setIcon(QMessageBox::Information); break;
        default: box->setIcon(QMessageBox::NoIcon);
        }
        std::map<QAbstractButton*, int> answers;
        auto add = [&](const QString& text, QMessageBox::ButtonRole role, int answer) {
            answers[box->addButton(text, role)] = answer;
        };
        switch (style & 7) {
        case vbYesNo:
            add(QStringLiteral("是"), QMessageBox::YesRole, vbYes);
            add(QStringLiteral("否"), QMessageBox::NoRole, vbNo);
            break;
        case vbOKCancel:
            add(QStringLiteral("确定"), QMessageBox::AcceptRole, vbOK);
            add(QStringLiteral("取消"), QMessageBox::RejectRole, vbCancel);
            break;
        default:
            add(QStringLiteral("确定"), QMessageBox::AcceptRole, vbOK);
        }
        box->exec();
        if (!box) return cancelled;
        auto it = answers.find(box->clickedButton());
        return it != answers.end() ? it->second : cancelled;
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText, double xTwips,
                     double yTwips) override {
        // As the message box: a window destroyed under the open box cancels it.
        Dialog<QInputDialog> dialog;
        dialog->setWindowTitle(titleOr(title));
        dialog->setLabelText(prompt);
        dialog->setTextValue(defaultText);
        dialog->setOkButtonText(QStringLiteral("确定"));
        dialog->setCancelButtonText(QStringLiteral("取消"));
        for (QLabel* label : dialog->findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
        dialog->move(toPixels(xTwips), toPixels(yTwips));
        if (dialog->exec() != QDialog::Accepted || !dialog) return QString();
        return dialog->textValue();
    }

    QString openFileName(const QString& title, const QString& filter, const QString& folder) override {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
    }

    QString saveFileName(const QString& title, const QString& suggestedName, const QString& folder) override {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QDir(folder).filePath(suggestedName));
    }

    int popupMenu(const PopupRequest& request) override {
        QMenu menu;
        std::map<QAction*, int> ids;
        buildMenu(&menu, request.items, ids);
        QAction* chosen = menu.exec(QCursor::pos());
        auto it = ids.find(chosen);
        return it == ids.end() ? -1 : it->second;
    }

    QString clipboardText() override { return QApplication::clipboard()->text(); }
    void setClipboardText(const QString& text) override {
        QClipboard* c = QApplication::clipboard();
        c->clear();
        c->setText(text);
    }

    QRect screenTwips() override {
        QScreen* s = QApplication::primaryScreen();
        return s ? toTwipsRect(s->geometry()) : QRect(0, 0, 1024 * kTwipsPerPixel, 768 * kTwipsPerPixel);
    }
    QRect workAreaTwips() override {
        QScreen* s = QApplication::primaryScreen();
        return s ? toTwipsRect(s->availableGeometry()) : screenTwips();
    }
    std::vector<QRect> workAreasTwips() override {
        std::vector<QRect> areas{workAreaTwips()};
        for (QScreen* s : QApplication::screens())
            if (s != QApplication::primaryScreen()) areas.push_back(toTwipsRect(s->availableGeometry()));
        return areas;
    }
    QStringList fontFamilies() override { return QFontDatabase().families(); }
    QDateTime now() override { return QDateTime::currentDateTime(); }
    void exitProcess(int code) override {
        std::fflush(nullptr);
        std::exit(code);
    }
};

Services* installed = nullptr;

RealServices& realServices() {
    static RealServices real;
    return real;
}

}  // namespace

QRectF fitIntoWorkArea(const QRectF& twips, double minWidth, double minHeight) {
    // Values that are no finite number count as 0; the rest is kept within a range where the sums
    // below stay exact.
    auto sane = [](double v) { return std::isfinite(v) ? std::max(-1e12, std::min(v, 1e12)) : 0.0; };
    const double left = sane(twips.left()), top = sane(twips.top());
    double width = sane(twips.width()), height = sane(twips.height());

    std::vector<QRect> areas = services().workAreasTwips();
    if (areas.empty()) areas.push_back(services().workAreaTwips());
    QRectF area = QRectF(areas.front());
    double best = 0;
    const QRectF stored(left, top, std::max(0.0, width), std::max(0.0, height));
    for (const QRect& a : areas) {
        const QRectF overlap = stored.intersected(QRectF(a));
        const double size = overlap.isEmpty() ? 0 : overlap.width() * overlap.height();
        if (size > best) {
            best = size;
            area = QRectF(a);
        }
    }

    width = std::max(minWidth, std::min(width, area.width()));
    height = std::max(minHeight, std::min(height, area.height()));
    const double x = std::max(area.left(), std::min(left, area.left() + area.width() - width));
    const double y = std::max(area.top(), std::min(top, area.top() + area.height() - height));
    return QRectF(x, y, width, height);
}

QString askInInputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    const QRect screen = services().screenTwips();
    return services().inputBox(prompt, title, defaultText, screen.width() / 2.6, screen.height() / 2.0);
}

void refuse(const QString& message) {
    rt::step([&] { services().msgBox(message, vbOKOnly + vbCritical, QString()); });
}

Services& services() { return installed ? *installed : realServices(); }

void setServices(Services* s) { installed = s == &realServices() ? nullptr : s; }

}  // namespace ui
