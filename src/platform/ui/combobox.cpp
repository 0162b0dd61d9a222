#include "platform/ui/combobox.h"

#include "platform/rt/error.h"

#include <QComboBox>
#include <QLineEdit>

namespace ui {

ComboBox::ComboBox(QWidget* parent) : Control(new QComboBox(parent)) {
    combo_ = static_cast<QComboBox*>(widget());
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo_, QOverload<int>::of(&QComboBox::activated), context(), [this](int) {
        if (!fromCode_) dispatch(onClick);
    });
    QObject::connect(combo_, &QComboBox::editTextChanged, context(), [this](const QString&) {
        if (style_ == 0) dispatch(onChange);
    });
    bridgeMouse(false, false);
}

void ComboBox::setStyle(int style) {
    style_ = style;
    fromCode_ = true;
    combo_->setEditable(style != 2);
    if (style != 2) combo_->setInsertPolicy(QComboBox::NoInsert);
    fromCode_ = false;
}

QString ComboBox::text() const { return combo_->currentText(); }

void ComboBox::setText(const QString& text) {
    if (style_ == 2) {
        // A drop-down list shows only its items.
        const int i = combo_->findText(text, Qt::MatchExactly);
        if (i < 0) rt::raise(383);  // read-only text
        setListIndex(i);
        return;
    }
    if (combo_->currentText() != text) combo_->setEditText(text);
}

int ComboBox::listCount() const { return combo_->count(); }

int ComboBox::listIndex() const {
    const int i = combo_->currentIndex();
    if (i < 0) return -1;
    // An edited text that is no longer the item's text selects nothing.
    return combo_->itemText(i) == combo_->currentText() ? i : -1;
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= combo_->count()) rt::raise(rt::InvalidPropertyArrayIndex);
    fromCode_ = true;
    combo_->setCurrentIndex(index);
    if (index < 0 && style_ != 2) combo_->setEditText(QString());
    fromCode_ = false;
    if (index >= 0) dispatch(onClick);
}

void ComboBox::addItem(const QString& text, int index) {
    if (index > combo_->count() || index < -1) rt::raise(rt::InvalidProcedureCall);
    const QString keep = combo_->currentText();
    const bool chosen = combo_->currentIndex() >= 0;
    fromCode_ = true;
    combo_->blockSignals(true);
    if (index < 0)
        combo_->addItem(text);
    else
        combo_->insertItem(index, text);
    // Adding items leaves the text as it was: a drop-down list shows nothing until an item is chosen.
    if (style_ == 2 && !chosen) combo_->setCurrentIndex(-1);
    if (style_ != 2) {
        if (combo_->count() == 1 && keep.isEmpty()) combo_->setCurrentIndex(-1);
        combo_->setEditText(keep);
    }
    combo_->blockSignals(false);
    fromCode_ = false;
}

void ComboBox::removeItem(int index) {
    if (index < 0 || index >= combo_->count()) rt::raise(rt::InvalidProcedureCall);
    fromCode_ = true;
    combo_->removeItem(index);
    fromCode_ = false;
}

void ComboBox::clear() {
    fromCode_ = true;
    combo_->clear();
    fromCode_ = false;
}

QString ComboBox::list(int index) const {
    return index >= 0 && index < combo_->count() ? combo_->itemText(index) : QString();
}

void ComboBox::setList(int index, const QString& text) {
    if (index < 0 || index >= combo_->count()) rt::raise(rt::InvalidPropertyArrayIndex);
    combo_->setItemText(index, text);
}

void ComboBox::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const ComboBox*>(&other)) setStyle(o->style_);
}

}  // namespace ui
