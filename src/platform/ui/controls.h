#pragma once
// The controls of the forms: each is a ui::Control over one Qt widget, created as a child of the
// widget given to its constructor (the form's client widget or a container's widget).
#include "platform/ui/control.h"

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QShortcut;

namespace ui {

// Alignment of captions and texts.
enum Alignment : int { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

// Loads a picture file (any format Qt reads, icons included). Raises "file not found" (53) for a
// missing file and "invalid picture" (481) for one that is no picture.
QPixmap loadPicture(const QString& path);

// The caption with its access-key markers taken out ("&&" stays a single "&").
QString stripAccessKey(const QString& caption);
// The letter after a single "&" (upper case), or an empty string.
QString accessKeyOf(const QString& caption);

// A windowless label: caption, alignment, auto-size, transparent or opaque background, border.
class Label : public Control {
public:
    explicit Label(QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int alignment() const { return alignment_; }
    void setAlignment(int alignment);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    // 0 transparent, 1 opaque.
    int backStyle() const { return opaque_ ? 1 : 0; }
    void setBackStyle(int style);
    // 0 none, 1 fixed single.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

    void copyStateFrom(const Control& other) override;

protected:
    void fontChanged() override { fit(); }

private:
    void fit();
    QLabel* label_;
    QString caption_;
    int alignment_ = vbLeftJustify;
    bool autoSize_ = false;
    int borderStyle_ = 0;
    bool wordWrap_ = false;
};

// A command button. press() runs the click handler at once, inside the caller's statement; an error
// that escapes the handler ends the command and the caller goes on. A caption with "&" before a
// letter gives the button a hot key (Alt + letter) on its window, rebound when the caption changes;
// the hot key presses a visible, enabled button wherever the button is placed.
class CommandButton : public Control {
public:
    explicit CommandButton(QWidget* parent);
    ~CommandButton() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // Value = True presses the button.
    void press();
    void setValue(bool value) {
        if (value) press();
    }
    bool value() const { return false; }
    // The hot key the caption gives, empty when it has none.
    QString hotKey() const;

    void copyStateFrom(const Control& other) override;

private:
    void rebindHotKey();
    QPushButton* button_;
    QString caption_;
    QShortcut* shortcut_ = nullptr;
};

// A text box, one line (QLineEdit) or several (MultiLineTextBox). The change event is raised by every
// change of the text, from the user or from code. Key press receives the key's character code, which
// the handler may set to 0 to swallow the key or to another code to type that instead.
class TextBox : public Control {
public:
    explicit TextBox(QWidget* parent);

    QString text() const;
    void setText(const QString& text);
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text);
    int alignment() const { return alignment_; }
    void setAlignment(int alignment);
    bool locked() const { return locked_; }
    void setLocked(bool locked);
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);
    // 0 none, 1 fixed single.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    bool multiLine() const { return plain_ != nullptr; }

    std::function<void()> onChange;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    void copyStateFrom(const Control& other) override;

    // A one-line box that its own right-button press handler disables (to show a menu of the
    // program's) shows no edit menu of its own for that press.
    void setEnabled(bool enabled) override;

protected:
    TextBox(QWidget* parent, bool multiLine);
    bool widgetEvent(QEvent* event) override;

private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
    int alignment_ = vbLeftJustify;
    bool locked_ = false;
    int maxLength_ = 0;
    int borderStyle_ = 1;
    bool rightPress_ = false;     // a right-button press is being handled
    bool noContextMenu_ = false;  // the press's own edit menu is not shown
};

// A text box of several lines; its text joins lines with CR LF.
class MultiLineTextBox : public TextBox {
public:
    explicit MultiLineTextBox(QWidget* parent) : TextBox(parent, true) {}
};

// A list box: items, the selected index (-1 none), click and double-click. Setting the index from
// code raises the click event when it changes, as a click would.
class ListBox : public Control {
public:
    explicit ListBox(QWidget* parent);

    int listCount() const;
    int listIndex() const;
    void setListIndex(int index);
    // Adds an item at `index` (at the end when -1); an index beyond the end raises error 5.
    void addItem(const QString& text, int index = -1);
    void removeItem(int index);
    void clear();
    // The text of item i; "" for an index with no item.
    QString list(int index) const;
    void setList(int index, const QString& text);
    QString text() const { return list(listIndex()); }
    int topIndex() const;
    void setTopIndex(int index);

    void copyStateFrom(const Control& other) override;

private:
    QListWidget* list_;
    bool fromCode_ = false;
    bool clickedThisPress_ = false;
};

// A combo box: an editable text with a drop-down list (style 0), or a drop-down list only (style 2).
// Choosing an item (or setting the index from code) raises click; a change of the text raises change.
class ComboBox : public Control {
public:
    explicit ComboBox(QWidget* parent);

    int style() const { return style_; }
    void setStyle(int style);
    QString text() const;
    void setText(const QString& text);
    int listCount() const;
    int listIndex() const;
    void setListIndex(int index);
    void addItem(const QString& text, int index = -1);
    void removeItem(int index);
    void clear();
    QString list(int index) const;
    void setList(int index, const QString& text);

    std::function<void()> onChange;

    void copyStateFrom(const Control& other) override;

private:
    QComboBox* combo_;
    int style_ = 0;
    bool fromCode_ = false;
};

// A check box: value 0 unticked, 1 ticked, 2 grey. A change of the value (from the user or code)
// raises click; the mouse-up event comes after the tick has turned over.
class CheckBox : public Control {
public:
    explicit CheckBox(QWidget* parent);
    ~CheckBox() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int value() const;
    void setValue(int value);

    void copyStateFrom(const Control& other) override;

private:
    QCheckBox* box_;
    QString caption_;
    bool fromCode_ = false;
};

// An option button: one of the option buttons of the same container is selected. Selecting it
// (from the user or code) raises click; the mouse-up event comes after the selection changed.
class OptionButton : public Control {
public:
    explicit OptionButton(QWidget* parent);
    ~OptionButton() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool value() const;
    void setValue(bool value);

    void copyStateFrom(const Control& other) override;

private:
    QRadioButton* button_;
    QString caption_;
    bool fromCode_ = false;
};

// A frame with a caption around other controls (a container).
class Frame : public Control {
public:
    explicit Frame(QWidget* parent);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // The widget to create the frame's controls in.
    QWidget* container() const { return widget(); }

private:
    QGroupBox* box_;
    QString caption_;
};

// A picture box: a container whose picture is drawn at its natural size from the top-left corner.
class PictureBox : public Control {
public:
    explicit PictureBox(QWidget* parent);

    QPixmap picture() const;
    void setPicture(const QPixmap& picture);
    // 0 none, 1 fixed single.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    // The widget to create the box's controls in.
    QWidget* container() const { return widget(); }

    void copyStateFrom(const Control& other) override;

private:
    int borderStyle_ = 1;
};

// An image: a picture, stretched to the control or sizing the control to the picture.
class Image : public Control {
public:
    explicit Image(QWidget* parent);

    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    void copyStateFrom(const Control& other) override;

protected:
    void geometryChanged() override { show(); }

private:
    void show();
    QLabel* label_;
    QPixmap picture_;
    bool stretch_ = false;
};

// A line between two points (twips, in the parent's coordinates). It takes no mouse input.
class Line : public Control {
public:
    explicit Line(QWidget* parent);
    ~Line() override;

    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    void setX1(double v) { setPoints(v, y1_, x2_, y2_); }
    void setY1(double v) { setPoints(x1_, v, x2_, y2_); }
    void setX2(double v) { setPoints(x1_, y1_, v, y2_); }
    void setY2(double v) { setPoints(x1_, y1_, x2_, v); }
    void setPoints(double x1, double y1, double x2, double y2);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color colour);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int pixels);

    void copyStateFrom(const Control& other) override;

private:
    friend class LineWidget;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color borderColor_ = kWindowText;
    int borderWidth_ = 1;
};

// A shape: a rectangle with a border and an optional fill. It takes no mouse input.
class Shape : public Control {
public:
    explicit Shape(QWidget* parent);
    ~Shape() override;

    // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
    int shape() const { return shape_; }
    void setShape(int shape);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color colour);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int pixels);
    // 0 transparent border, 1 solid.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    // 0 transparent background, 1 opaque (back colour).
    int backStyle() const { return opaque_ ? 1 : 0; }
    void setBackStyle(int style);
    // 0 solid fill in the fill colour, 1 no fill.
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style);
    Color fillColor() const { return fillColor_; }
    void setFillColor(Color colour);

    void copyStateFrom(const Control& other) override;

private:
    friend class ShapeWidget;
    int shape_ = 0;
    Color borderColor_ = kWindowText;
    int borderWidth_ = 1;
    int borderStyle_ = 1;
    int fillStyle_ = 1;
    Color fillColor_ = 0;
};

}  // namespace ui
