#include "platform/ui/controls.h"

#include "platform/sys/programfolder.h"

#include "platform/rt/error.h"
#include "platform/ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace ui {

namespace {

constexpr int kInvalidPicture = 481;
constexpr int kInvalidPropertyArrayIndex = 381;

Qt::Alignment qtAlignment(int alignment, Qt::Alignment vertical) {
    switch (alignment) {
    case vbRightJustify: return Qt::AlignRight | vertical;
    case vbCenter: return Qt::AlignHCenter | vertical;
    default: return Qt::AlignLeft | vertical;
    }
}

}  // namespace

QPixmap loadPicture(const QString& programPath) {
    // Program paths are written with backslashes (program folder plus "\\pifu\\0.ico").
    const QString path = sys::nativePath(programPath);
    if (path.isEmpty() || !QFileInfo(path).isFile()) rt::raise(rt::FileNotFound, path);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) rt::raise(kInvalidPicture, path);
    return QPixmap::fromImage(image);
}

QString stripAccessKey(const QString& caption) {
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

QString accessKeyOf(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return QString(caption[i + 1]).toUpper();
    }
    return QString();
}

// --- Label --------------------------------------------------------------------------------------

Label::Label(QWidget* parent) : Control(new QLabel(parent)) {
    label_ = static_cast<QLabel*>(widget());
    label_->setTextFormat(Qt::PlainText);  // a caption is text, never markup
    label_->setAlignment(qtAlignment(alignment_, Qt::AlignTop));
    bridgeMouse(true);
    makeLightweight();
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    label_->setText(caption);
    fit();
}

void Label::setAlignment(int alignment) {
    alignment_ = alignment;
    label_->setAlignment(qtAlignment(alignment, Qt::AlignTop));
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fit();
}

void Label::setBackStyle(int style) {
    opaque_ = style != 0;
    applyColors();
}

void Label::setBorderStyle(int style) {
    borderStyle_ = style;
    label_->setFrameStyle(style ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    label_->setLineWidth(1);
    fit();
}

void Label::setWordWrap(bool wrap) {
    wordWrap_ = wrap;
    label_->setWordWrap(wrap);
    fit();
}

void Label::fit() {
    if (!autoSize_) return;
    const QFontMetrics fm(label_->font());
    const QStringList lines = caption_.split(QLatin1Char('\n'));
    int w = 0;
    for (const QString& line : lines) w = std::max(w, fm.horizontalAdvance(line));
    const int frame = borderStyle_ ? 2 * label_->frameWidth() : 0;
    const int h = fm.height() * std::max(1, static_cast<int>(lines.size()));
    move(left(), top(), toTwips(w + frame), toTwips(h + frame));
}

void Label::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Label*>(&other)) {
        setAlignment(o->alignment_);
        setBorderStyle(o->borderStyle_);
        setWordWrap(o->wordWrap_);
        autoSize_ = o->autoSize_;
        setCaption(o->caption_);
        move(o->left(), o->top(), autoSize_ ? width() : o->width(), autoSize_ ? height() : o->height());
    }
}

// --- CommandButton ------------------------------------------------------------------------------

CommandButton::CommandButton(QWidget* parent) : Control(new QPushButton(parent)) {
    button_ = static_cast<QPushButton*>(widget());
    button_->setAutoDefault(false);
    bridgeMouse(false, false);
    QObject::connect(button_, &QPushButton::clicked, context(), [this] { press(); });
}

CommandButton::~CommandButton() { delete shortcut_; }

void CommandButton::setCaption(const QString& caption) {
    caption_ = caption;
    // The button shows the caption without the marker; the hot key is our own shortcut (a button's
    // own mnemonic does not fire while the button lies outside the visible area).
    button_->setText(stripAccessKey(caption));
    rebindHotKey();
}

QString CommandButton::hotKey() const {
    const QString letter = accessKeyOf(caption_);
    return letter.isEmpty() ? QString() : QKeySequence::mnemonic(QStringLiteral("&") + letter).toString();
}

void CommandButton::rebindHotKey() {
    delete shortcut_;
    shortcut_ = nullptr;
    const QString letter = accessKeyOf(caption_);
    if (letter.isEmpty()) return;
    const QKeySequence keys = QKeySequence::mnemonic(QStringLiteral("&") + letter);
    if (keys.isEmpty()) return;
    shortcut_ = new QShortcut(keys, button_->window());
    shortcut_->setContext(Qt::WindowShortcut);
    shortcut_->setAutoRepeat(false);
    QObject::connect(shortcut_, &QShortcut::activated, context(), [this] {
        if (visible() && enabled()) press();
    });
}

void CommandButton::press() { dispatch(onClick); }

void CommandButton::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const CommandButton*>(&other)) setCaption(o->caption_);
}

// --- TextBox ------------------------------------------------------------------------------------

namespace {
QWidget* makeTextWidget(QWidget* parent, bool multiLine) {
    if (multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setTabChangesFocus(true);
        return edit;
    }
    return new QLineEdit(parent);
}

QString toCrLf(QString text) { return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")); }
QString fromCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
}  // namespace

TextBox::TextBox(QWidget* parent) : TextBox(parent, false) {}

TextBox::TextBox(QWidget* parent, bool multiLine) : Control(makeTextWidget(parent, multiLine)) {
    if (multiLine) {
        plain_ = static_cast<QPlainTextEdit*>(widget());
        QObject::connect(plain_, &QPlainTextEdit::textChanged, context(), [this] { dispatch(onChange); });
        watchAlso(plain_->viewport());
    } else {
        line_ = static_cast<QLineEdit*>(widget());
        QObject::connect(line_, &QLineEdit::textChanged, context(), [this] { dispatch(onChange); });
    }
    bridgeMouse(false);
}

QString TextBox::text() const { return line_ ? line_->text() : toCrLf(plain_->toPlainText()); }

void TextBox::setText(const QString& text) {
    if (line_) {
        if (line_->text() != text) line_->setText(text);
        line_->setCursorPosition(0);
        return;
    }
    const QString plain = fromCrLf(text);
    if (plain_->toPlainText() != plain) plain_->setPlainText(plain);
}

int TextBox::selStart() const {
    if (line_) return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
    return plain_->textCursor().selectionStart();
}

void TextBox::setSelStart(int start) {
    const int len = text().size();
    start = std::max(0, std::min(start, len));
    if (line_) {
        line_->setCursorPosition(start);
        return;
    }
    QTextCursor c = plain_->textCursor();
    c.setPosition(std::min(start, plain_->document()->characterCount() - 1));
    plain_->setTextCursor(c);
}

int TextBox::selLength() const {
    if (line_) return line_->selectedText().size();
    const QTextCursor c = plain_->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TextBox::setSelLength(int length) {
    const int start = selStart();
    length = std::max(0, length);
    if (line_) {
        line_->setSelection(start, std::min(length, line_->text().size() - start));
        return;
    }
    QTextCursor c = plain_->textCursor();
    const int end = std::min(start + length, plain_->document()->characterCount() - 1);
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    plain_->setTextCursor(c);
}

QString TextBox::selText() const {
    if (line_) return line_->selectedText();
    return toCrLf(plain_->textCursor().selectedText().replace(QChar(0x2029), QLatin1Char('\n')));
}

void TextBox::setSelText(const QString& text) {
    if (line_) {
        line_->insert(text);
        return;
    }
    plain_->textCursor().insertText(fromCrLf(text));
}

void TextBox::setAlignment(int alignment) {
    alignment_ = alignment;
    if (line_) line_->setAlignment(qtAlignment(alignment, Qt::AlignVCenter));
}

void TextBox::setLocked(bool locked) {
    locked_ = locked;
    if (line_)
        line_->setReadOnly(locked);
    else
        plain_->setReadOnly(locked);
}

void TextBox::setMaxLength(int length) {
    maxLength_ = std::max(0, length);
    if (line_) line_->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

void TextBox::setBorderStyle(int style) {
    borderStyle_ = style;
    if (line_)
        line_->setFrame(style != 0);
    else
        plain_->setFrameStyle(style ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
}

void TextBox::setEnabled(bool enabled) {
    if (!enabled && rightPress_) noContextMenu_ = true;
    Control::setEnabled(enabled);
}

bool TextBox::widgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        rightPress_ = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        noContextMenu_ = false;
        return false;
    case QEvent::MouseButtonRelease:
        rightPress_ = false;
        return false;
    case QEvent::MouseButtonDblClick: {
        // The box's own double-click (it selects the word) comes first and the handler after it, so
        // a selection the handler makes is the one that stays.
        auto* e = static_cast<QMouseEvent*>(event);
        if (!line_ || e->button() != Qt::LeftButton) return false;
        struct LineEdit : QLineEdit {
            using QLineEdit::mouseDoubleClickEvent;
        };
        (line_->*&LineEdit::mouseDoubleClickEvent)(e);
        dispatch(onDblClick);
        return true;
    }
    case QEvent::ContextMenu: {
        const bool swallow = noContextMenu_;
        noContextMenu_ = false;
        rightPress_ = false;
        return swallow;
    }
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        int code = keyCodeOf(e->key());
        if (code) dispatch(onKeyDown, code, shiftBits(e->modifiers()));
        int ascii = 0;
        switch (e->key()) {
        case Qt::Key_Return: case Qt::Key_Enter: ascii = 13; break;
        case Qt::Key_Backspace: ascii = 8; break;
        case Qt::Key_Escape: ascii = 27; break;
        default:
            if (e->text().size() == 1) ascii = e->text().at(0).unicode();
        }
        if (ascii && onKeyPress) {
            const int typed = ascii;
            dispatch(onKeyPress, ascii);
            if (ascii == 0) return true;  // swallowed
            if (ascii != typed) {
                if (ascii >= 32 && !locked_) setSelText(QString(QChar(ascii)));
                return true;
            }
        }
        // A one-line box has nothing to do with Enter; keep it from reaching default buttons.
        return false;
    }
    case QEvent::KeyRelease: {
        auto* e = static_cast<QKeyEvent*>(event);
        int code = keyCodeOf(e->key());
        if (code && !e->isAutoRepeat()) dispatch(onKeyUp, code, shiftBits(e->modifiers()));
        return false;
    }
    case QEvent::FocusIn: {
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) dispatch(onGotFocus);
        return false;
    }
    case QEvent::FocusOut: {
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) dispatch(onLostFocus);
        return false;
    }
    default:
        return false;
    }
}

void TextBox::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const TextBox*>(&other)) {
        setAlignment(o->alignment_);
        setLocked(o->locked_);
        setMaxLength(o->maxLength_);
        setBorderStyle(o->borderStyle_);
        setText(o->text());
    }
}

// --- ListBox ------------------------------------------------------------------------------------

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
    if (index < -1 || index >= list_->count()) rt::raise(kInvalidPropertyArrayIndex);
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
    if (!item) rt::raise(kInvalidPropertyArrayIndex);
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

// --- ComboBox -----------------------------------------------------------------------------------

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
    if (index < -1 || index >= combo_->count()) rt::raise(kInvalidPropertyArrayIndex);
    fromCode_ = true;
    combo_->setCurrentIndex(index);
    if (index < 0 && style_ != 2) combo_->setEditText(QString());
    fromCode_ = false;
    if (index >= 0) dispatch(onClick);
}

void ComboBox::addItem(const QString& text, int index) {
    if (index > combo_->count() || index < -1) rt::raise(rt::InvalidProcedureCall);
    const QString keep = combo_->currentText();
    fromCode_ = true;
    combo_->blockSignals(true);
    if (index < 0)
        combo_->addItem(text);
    else
        combo_->insertItem(index, text);
    // Adding items leaves the text as it was.
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
    if (index < 0 || index >= combo_->count()) rt::raise(kInvalidPropertyArrayIndex);
    combo_->setItemText(index, text);
}

void ComboBox::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const ComboBox*>(&other)) setStyle(o->style_);
}

// --- CheckBox and OptionButton ------------------------------------------------------------------

namespace {

// Check box and option button widgets raise mouse-up after the widget has handled the release, so a
// handler sees the value the click produced.
template <class Base>
class AfterReleaseButton : public Base {
public:
    using Base::Base;
    std::function<void(QMouseEvent*)> afterRelease;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        Base::mouseReleaseEvent(e);
        if (afterRelease) afterRelease(e);
    }
};

using CheckWidget = AfterReleaseButton<QCheckBox>;
using RadioWidget = AfterReleaseButton<QRadioButton>;

template <class W>
void wireMouseUp(W* w, Control* c) {
    w->afterRelease = [c](QMouseEvent* e) {
        dispatch(c->onMouseUp, buttonBits(e->button()), shiftBits(e->modifiers()),
                 e->localPos().x() * kTwipsPerPixel, e->localPos().y() * kTwipsPerPixel);
    };
}

}  // namespace

CheckBox::CheckBox(QWidget* parent) : Control(new CheckWidget(parent)) {
    box_ = static_cast<QCheckBox*>(widget());
    QObject::connect(box_, &QCheckBox::stateChanged, context(), [this](int) {
        if (!fromCode_) dispatch(onClick);
    });
    wireMouseUp(static_cast<CheckWidget*>(box_), this);
    bridgeMouse(false, false, false);
}

// The widget outlives the control by a moment (deleted later): it must not call back.
CheckBox::~CheckBox() { static_cast<CheckWidget*>(box_)->afterRelease = nullptr; }

void CheckBox::setCaption(const QString& caption) {
    caption_ = caption;
    box_->setText(stripAccessKey(caption));
}

int CheckBox::value() const {
    switch (box_->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) rt::raise(380);  // invalid property value
    if (value == this->value()) return;
    fromCode_ = true;
    if (value == 2) box_->setTristate(true);
    box_->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    fromCode_ = false;
    dispatch(onClick);
}

void CheckBox::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const CheckBox*>(&other)) setCaption(o->caption_);
}

OptionButton::OptionButton(QWidget* parent) : Control(new RadioWidget(parent)) {
    button_ = static_cast<QRadioButton*>(widget());
    QObject::connect(button_, &QRadioButton::toggled, context(), [this](bool on) {
        if (on && !fromCode_) dispatch(onClick);
    });
    wireMouseUp(static_cast<RadioWidget*>(button_), this);
    bridgeMouse(false, false, false);
}

OptionButton::~OptionButton() { static_cast<RadioWidget*>(button_)->afterRelease = nullptr; }

void OptionButton::setCaption(const QString& caption) {
    caption_ = caption;
    button_->setText(stripAccessKey(caption));
}

bool OptionButton::value() const { return button_->isChecked(); }

void OptionButton::setValue(bool value) {
    if (value == button_->isChecked()) return;
    fromCode_ = true;
    if (!value) button_->setAutoExclusive(false);
    button_->setChecked(value);
    if (!value) button_->setAutoExclusive(true);
    fromCode_ = false;
    if (value) dispatch(onClick);
}

void OptionButton::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const OptionButton*>(&other)) setCaption(o->caption_);
}

// --- Frame and PictureBox -----------------------------------------------------------------------

Frame::Frame(QWidget* parent) : Control(new QGroupBox(parent)) {
    box_ = static_cast<QGroupBox*>(widget());
    bridgeMouse(true);
}

void Frame::setCaption(const QString& caption) {
    caption_ = caption;
    box_->setTitle(stripAccessKey(caption));
}

namespace {

class PictureWidget : public QFrame {
public:
    using QFrame::QFrame;
    QPixmap picture;

protected:
    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        if (picture.isNull()) return;
        QPainter p(this);
        p.drawPixmap(contentsRect().topLeft(), picture);
    }
};

}  // namespace

PictureBox::PictureBox(QWidget* parent) : Control(new PictureWidget(parent)) {
    setBorderStyle(1);
    bridgeMouse(true);
}

QPixmap PictureBox::picture() const { return static_cast<PictureWidget*>(widget())->picture; }

void PictureBox::setPicture(const QPixmap& picture) {
    static_cast<PictureWidget*>(widget())->picture = picture;
    widget()->update();
}

void PictureBox::setBorderStyle(int style) {
    borderStyle_ = style;
    static_cast<QFrame*>(widget())->setFrameStyle(style ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
}

void PictureBox::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const PictureBox*>(&other)) {
        setBorderStyle(o->borderStyle_);
        setPicture(o->picture());
    }
}

// --- Image --------------------------------------------------------------------------------------

Image::Image(QWidget* parent) : Control(new QLabel(parent)) {
    label_ = static_cast<QLabel*>(widget());
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bridgeMouse(true);
    makeLightweight();
}

void Image::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (!stretch_ && !picture.isNull()) {
        // Without stretch the control takes the picture's size.
        Control::move(left(), top(), toTwips(picture.width()), toTwips(picture.height()));
        return;
    }
    show();
}

void Image::setStretch(bool stretch) {
    stretch_ = stretch;
    label_->setScaledContents(stretch);
    setPicture(picture_);
}

void Image::show() { label_->setPixmap(picture_); }

void Image::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Image*>(&other)) {
        stretch_ = o->stretch_;
        label_->setScaledContents(stretch_);
        picture_ = o->picture_;
        show();
    }
}

// --- Line and Shape -----------------------------------------------------------------------------

class LineWidget : public QWidget {
public:
    LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    Line* line = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!line) return;
        QPainter p(this);
        QPen pen(toQColor(line->borderColor_));
        pen.setWidth(line->borderWidth_);
        p.setPen(pen);
        const QPoint origin = pos();
        p.drawLine(QPoint(toPixels(line->x1_), toPixels(line->y1_)) - origin,
                   QPoint(toPixels(line->x2_), toPixels(line->y2_)) - origin);
    }
};

Line::Line(QWidget* parent) : Control(new LineWidget(parent)) {
    static_cast<LineWidget*>(widget())->line = this;
    setPoints(0, 0, 0, 0);
    makeLightweight();
}

Line::~Line() {
    if (widget()) static_cast<LineWidget*>(widget())->line = nullptr;
}

void Line::setPoints(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int pad = std::max(1, borderWidth_);
    const int l = std::min(toPixels(x1), toPixels(x2));
    const int t = std::min(toPixels(y1), toPixels(y2));
    const int r = std::max(toPixels(x1), toPixels(x2));
    const int b = std::max(toPixels(y1), toPixels(y2));
    // The line's rectangle is its bounding box; the twips fields follow it.
    setGeometryFields(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    widget()->setGeometry(l, t, r - l + pad, b - t + pad);
    widget()->update();
}

void Line::setBorderColor(Color colour) {
    borderColor_ = colour;
    widget()->update();
}

void Line::setBorderWidth(int pixels) {
    borderWidth_ = std::max(1, pixels);
    setPoints(x1_, y1_, x2_, y2_);
}

void Line::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Line*>(&other)) {
        borderColor_ = o->borderColor_;
        borderWidth_ = o->borderWidth_;
        setPoints(o->x1_, o->y1_, o->x2_, o->y2_);
    }
}

class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    Shape* shape = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!shape) return;
        QPainter p(this);
        QRect r = rect().adjusted(0, 0, -1, -1);
        if (shape->opaque_) p.fillRect(rect(), toQColor(shape->backColor()));
        p.setBrush(shape->fillStyle_ == 0 ? QBrush(toQColor(shape->fillColor_)) : QBrush(Qt::NoBrush));
        if (shape->borderStyle_ == 0) {
            p.setPen(Qt::NoPen);
        } else {
            QPen pen(toQColor(shape->borderColor_));
            pen.setWidth(shape->borderWidth_);
            p.setPen(pen);
        }
        switch (shape->shape_) {
        case 2: case 3: p.drawEllipse(r); break;
        case 4: case 5: p.drawRoundedRect(r, 6, 6); break;
        default: p.drawRect(r);
        }
    }
};

Shape::Shape(QWidget* parent) : Control(new ShapeWidget(parent)) {
    static_cast<ShapeWidget*>(widget())->shape = this;
    opaque_ = false;
    makeLightweight();
}

Shape::~Shape() {
    if (widget()) static_cast<ShapeWidget*>(widget())->shape = nullptr;
}

void Shape::setShape(int shape) {
    shape_ = shape;
    widget()->update();
}
void Shape::setBorderColor(Color colour) {
    borderColor_ = colour;
    widget()->update();
}
void Shape::setBorderWidth(int pixels) {
    borderWidth_ = std::max(1, pixels);
    widget()->update();
}
void Shape::setBorderStyle(int style) {
    borderStyle_ = style;
    widget()->update();
}
void Shape::setBackStyle(int style) {
    opaque_ = style != 0;
    widget()->update();
}
void Shape::setFillStyle(int style) {
    fillStyle_ = style;
    widget()->update();
}
void Shape::setFillColor(Color colour) {
    fillColor_ = colour;
    widget()->update();
}

void Shape::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Shape*>(&other)) {
        shape_ = o->shape_;
        borderColor_ = o->borderColor_;
        borderWidth_ = o->borderWidth_;
        borderStyle_ = o->borderStyle_;
        fillStyle_ = o->fillStyle_;
        fillColor_ = o->fillColor_;
        widget()->update();
    }
}

}  // namespace ui
