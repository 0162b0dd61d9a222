#include "platform/ui/listbox.h"

#include "platform/rt/error.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>

namespace ui {

ListBox::ListBox(QWidget* parent) : Control(new QListWidget(parent)) {
    list_ = static_cast<QListWidget*>(widget());
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(list_, &QListWidget::currentRowChanged, context(), [this](int row) {
        if (fromCode_ || row < 0) return;
        clickedThisPress_ = QApplication::mouseButtons() != Qt::NoButton;
        dispatch(onClick);
    });
    QObject::connect(list_, &QListWidget::itemClicked, context(), [this] {
        // A click on the item already selected is a click too.
        if (!clickedThisPress_) dispatch(onClick);
        clickedThisPress_ = false;
    });
    // Mouse events come to the viewport.
    watchAlso(list_->viewport());
    bridgeMouse(false, false);
}

int ListBox::listCount() const { return list_->count(); }
int ListBox::listIndex() const { return list_->currentRow(); }

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= list_->count()) rt::raise(rt::InvalidPropertyArrayIndex);
    if (index == list_->currentRow()) return;
    fromCode_ = true;
    list_->setCurrentRow(index);
    if (index < 0) list_->clearSelection();
    fromCode_ = false;
    if (index >= 0) dispatch(onClick);
}

void ListBox::addItem(const QString& text, int index) {
    if (index > list_->count() || index < -1) rt::raise(rt::InvalidProcedureCall);
    fromCode_ = true;
    if (index < 0)
        list_->addItem(text);
    else
        list_->insertItem(index, text);
    fromCode_ = false;
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= list_->count()) rt::raise(rt::InvalidProcedureCall);
    fromCode_ = true;
    delete list_->takeItem(index);
    fromCode_ = false;
}

void ListBox::clear() {
    fromCode_ = true;
    list_->clear();
    fromCode_ = false;
}

QString ListBox::list(int index) const {
    QListWidgetItem* item = index >= 0 ? list_->item(index) : nullptr;
    return item ? item->text() : QString();
}

void ListBox::setList(int index, const QString& text) {
    QListWidgetItem* item = index >= 0 ? list_->item(index) : nullptr;
    if (!item) rt::raise(rt::InvalidPropertyArrayIndex);
    item->setText(text);
}

int ListBox::topIndex() const {
    const int row = list_->indexAt(QPoint(1, 1)).row();
    return row < 0 ? 0 : row;
}

void ListBox::setTopIndex(int index) {
    if (QListWidgetItem* item = list_->item(index)) list_->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void ListBox::copyStateFrom(const Control& other) { Control::copyStateFrom(other); }

}  // namespace ui
