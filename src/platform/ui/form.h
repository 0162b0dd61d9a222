#pragma once
// A top-level window of the program. Its geometry is the client area in twips; a size change made by
// code runs the resize handler before the setter returns (also when the change is smaller than a
// pixel), and a resize by the user or the window system arrives through the same handler.
//
// Life: a form is created hidden. load() runs the load handler once; show() loads when needed and
// shows the window modeless (the first showing runs the resize handler). unload() asks the unload
// handler (which may cancel), then hides the window; the window owner creates a fresh form on the
// next use of an unloaded one.
#include "platform/ui/control.h"

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <functional>

class QIcon;

namespace ui {

class FormWidget;

enum WindowState : int { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

class Form : public Control {
public:
    // `borderless` gives a window without frame or caption bar.
    explicit Form(bool borderless = true);
    ~Form() override;

    // The parent widget for the form's controls.
    QWidget* client() const { return widget(); }

    QString caption() const;
    void setCaption(const QString& caption);
    // The window's icon; a picture larger than ui::kMaxIconSide is scaled down to it.
    void setIcon(const QPixmap& icon);
    bool borderless() const { return borderless_; }
    // A window with a frame: 1 fixed single (title bar with minimise and close boxes; neither the user
    // nor the maximise box resizes it), 2 sizable (as made). Code still sets its size.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    int windowState() const;
    void setWindowState(int state);

    // Drawn at its natural size from the top-left corner, under the controls.
    QPixmap picture() const;
    void setPicture(const QPixmap& picture);

    // The inner size; equal to width and height for every form of this program.
    double scaleWidth() const { return width(); }
    double scaleHeight() const { return height(); }

    void move(double left, double top, double width, double height) override;
    using Control::move;

    // The smallest size of the window, in twips (0 x 0: none). The window system is told it, so a
    // resize by the user stops there, and a native resize below it is refused; the resize handler
    // still sees a size set by code below it first (it is the handler's to enlarge the window).
    void setMinimumSize(double width, double height);
    double minimumWidth() const { return minWidth_; }
    double minimumHeight() const { return minHeight_; }

    bool loaded() const { return loaded_; }
    // True once an unload went through: the window owner makes a fresh form on the next use.
    bool closed() const { return closed_; }
    // Runs the load handler once (the window stays hidden).
    void load();
    // Loads when needed and shows the window modeless.
    void show();
    void hide();
    // Asks the unload handler; returns false when it cancelled. The window is hidden.
    bool unload();
    void setVisible(bool visible) override;
    // Brings the window to the front and gives it the focus.
    void activate();

    Handler<void()> onLoad{"Form.onLoad"};
    Handler<void()> onResize{"Form.onResize"};
    Handler<void()> onActivate{"Form.onActivate"};
    Handler<void()> onDeactivate{"Form.onDeactivate"};
    // Set cancel to a value other than 0 to keep the form.
    Handler<void(int& cancel)> onUnload{"Form.onUnload"};
    // Files dropped on the window background (full paths, in the order given).
    Handler<void(const QStringList& files, int button, int shift, double x, double y)> onFileDrop{"Form.onFileDrop"};

protected:
    bool widgetEvent(QEvent* event) override;

private:
    friend class FormWidget;
    void runResize();
    bool borderless_;
    int borderStyle_ = 2;
    bool loaded_ = false;
    bool shownOnce_ = false;
    bool closed_ = false;
    int lastState_ = vbNormal;
    double minWidth_ = 0;
    double minHeight_ = 0;
};

}  // namespace ui
