#pragma once
#include "platform/ui/alignment.h"
#include "platform/ui/control.h"

#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QPlainTextEdit;

namespace ui {

// A text box, one line (QLineEdit) or several (MultiLineTextBox). The change event is raised by every
// change of the text, from the user or from code. A hidden one-line box keeps text set by code to
// itself and gives it to its widget only when it is shown or its selection is used: laying out text
// nobody sees costs more than the program's frequent writes to its hidden boxes are worth. Key press
// receives the key's character code, which the handler may set to 0 to swallow the key or to another
// code to type that instead.
//
// A one-line box made "when needed" starts hidden: until it is shown, focused, or its selection is
// used, a plain stand-in holds its place and what code sets, and the line edit (whose making lays out
// text, and so loads a font) is not made at all. widget() is the stand-in until then.
class TextBox : public Control {
public:
    explicit TextBox(QWidget* parent);
    struct WhenNeeded {};
    static constexpr WhenNeeded whenNeeded{};
    TextBox(QWidget* parent, WhenNeeded);

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

    Handler<void()> onChange{"TextBox.onChange"};
    Handler<void(int& keyAscii)> onKeyPress{"TextBox.onKeyPress"};
    Handler<void(int& keyCode, int shift)> onKeyDown{"TextBox.onKeyDown"};
    Handler<void(int& keyCode, int shift)> onKeyUp{"TextBox.onKeyUp"};
    Handler<void()> onGotFocus{"TextBox.onGotFocus"};
    Handler<void()> onLostFocus{"TextBox.onLostFocus"};

    void copyStateFrom(const Control& other) override;
    void setVisible(bool visible) override;

    // A one-line box that its own right-button press handler disables (to show a menu of the
    // program's) shows no edit menu of its own for that press.
    void setEnabled(bool enabled) override;

protected:
    TextBox(QWidget* parent, bool multiLine, bool whenNeeded = false);
    bool widgetEvent(QEvent* event) override;
    void needWidget() override;

private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
    int alignment_ = vbLeftJustify;
    bool locked_ = false;
    int maxLength_ = 0;
    int borderStyle_ = 1;
    bool rightPress_ = false;     // a right-button press is being handled
    bool noContextMenu_ = false;  // the press's own edit menu is not shown
    // The text of a hidden one-line box not yet given to its widget.
    mutable std::optional<QString> held_;
    void flush() const;
    // The line edit, made now if the box was made when needed; nullptr for a box of several lines.
    QLineEdit* line() const;
    void makeLine();
};

// A text box of several lines; its text joins lines with CR LF.
class MultiLineTextBox : public TextBox {
public:
    explicit MultiLineTextBox(QWidget* parent) : TextBox(parent, true) {}
};

}  // namespace ui
