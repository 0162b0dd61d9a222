#pragma once
// The base of every control of the forms layer: a Qt widget seen through the properties the program
// uses. Geometry is kept in twips exactly as set (the value set is the value read back); the widget
// gets the rounded pixel rectangle. Visibility is the control's own flag: a control inside a hidden
// container stays "visible" while it can not be seen, as the program expects.
//
// A control without a widget (a timer) is allowed. Every control may carry the mouse events; a
// subclass turns their delivery on with bridgeMouse(). Handlers run as events: an error escaping a
// handler ends that handler only (see events.h).
#include "platform/ui/colors.h"
#include "platform/ui/events.h"

#include <QPointer>
#include <QString>

#include <functional>

class QEvent;
class QObject;
class QWidget;

namespace ui {

class MouseBridge;

class Control {
public:
    explicit Control(QWidget* widget);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The widget; nullptr for a control without one, or once the widget went away.
    QWidget* widget() const { return guard_ ? widget_ : nullptr; }

    // Design name and index in a control array (-1 outside an array).
    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    int index() const { return index_; }
    void setIndex(int index) { index_ = index; }

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v) { move(v, top_, width_, height_); }
    void setTop(double v) { move(left_, v, width_, height_); }
    void setWidth(double v) { move(left_, top_, v, height_); }
    void setHeight(double v) { move(left_, top_, width_, v); }
    void move(double left) { move(left, top_, width_, height_); }
    void move(double left, double top) { move(left, top, width_, height_); }
    // A negative width or height raises "invalid property value" (380) and changes nothing.
    virtual void move(double left, double top, double width, double height);

    bool visible() const { return visible_; }
    virtual void setVisible(bool visible);
    virtual bool enabled() const;
    virtual void setEnabled(bool enabled);

    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    QString toolTipText() const;
    void setToolTipText(const QString& text);

    void setFocus();
    // Whether the control takes the keyboard focus (a control that does not is skipped when the focus
    // moves on, for instance when the focused control is hidden).
    bool tabStop() const;
    void setTabStop(bool on);
    // Repaints the control now.
    void refresh();
    // 0 brings the control to the front of its siblings, 1 sends it to the back.
    void zOrder(int position = 0);

    // Colours (platform colour numbers, see colors.h).
    Color foreColor() const { return foreColor_; }
    virtual void setForeColor(Color colour);
    Color backColor() const { return backColor_; }
    virtual void setBackColor(Color colour);

    // Font by name, size in points, bold, italic, underline.
    QString fontName() const;
    void setFontName(const QString& name);
    double fontSize() const;
    void setFontSize(double points);
    bool fontBold() const;
    void setFontBold(bool bold);
    bool fontItalic() const;
    void setFontItalic(bool italic);
    bool fontUnderline() const;
    void setFontUnderline(bool underline);

    // Pointer shape: 0 default, 1 arrow, 2 cross, 3 text, 5 size all, 6 size NE-SW, 7 size N-S,
    // 8 size NW-SE, 9 size W-E, 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and hourglass,
    // 14 arrow and question mark, 15 size all, 99 custom (the widget's own cursor).
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);

    // Mouse events (button bits 1 left, 2 right, 4 middle; shift bits; position in twips from the
    // control's top-left corner). Click: a left press and release over the control.
    Handler<void()> onClick{"Control.onClick"};
    Handler<void()> onDblClick{"Control.onDblClick"};
    MouseHandler onMouseDown{"Control.onMouseDown"};
    MouseHandler onMouseMove{"Control.onMouseMove"};
    MouseHandler onMouseUp{"Control.onMouseUp"};

    // The state a control array copies from its first item into an item it loads: everything but the
    // visible flag, the index and the handlers (the new item starts hidden).
    virtual void copyStateFrom(const Control& other);

protected:
    // Puts `real` in the place of the control's widget, a plain stand-in made to put off the making of
    // a costly one: same parent, stacked where the stand-in lies, with its geometry, visibility, focus
    // policy, enabled state, tool tip, font, colours and pointer, and the control's event watching.
    // The stand-in goes.
    void adoptWidget(QWidget* real);
    // Called before the control gives its widget the keyboard focus (a control with a stand-in makes
    // its real widget here).
    virtual void needWidget() {}

    // Labels, images, lines and shapes are drawn on their container's surface: they always lie under
    // the container's other controls (text boxes, buttons, browsers...), and among themselves the one
    // made or brought forward last lies on top. Their constructors call this once.
    void makeLightweight();

    // Called after the twips rectangle changed and the widget was placed.
    virtual void geometryChanged() {}
    // Called after the font changed (auto-sized controls measure again).
    virtual void fontChanged() {}
    // Delivers the widget's mouse events to the handlers above. `clickOnRelease` false leaves the
    // click to the subclass (buttons raise it from the widget's own click).
    // `consume` keeps the events from reaching the widget and its parents (windowless labels,
    // pictures); otherwise the widget handles them as usual after the handlers ran.
    // `mouseUp` false leaves the mouse-up event to the subclass.
    void bridgeMouse(bool consume, bool clickOnRelease = true, bool mouseUp = true);
    // Every event of the widget passes here first (once bridgeMouse or watchEvents was called);
    // true swallows it.
    virtual bool widgetEvent(QEvent* event) { return false; }
    void watchEvents();
    // A second widget whose mouse events count as the control's (the viewport of a scroll area).
    void watchAlso(QWidget* inner);
    // The object to connect the widget's signals to: it goes away first when the control does, so
    // no signal reaches a control being destroyed.
    QObject* context() const;
    // Updates the twips rectangle from the widget's pixel rectangle (a move the user made).
    void syncGeometryFromWidget();
    void setGeometryFields(double left, double top, double width, double height);
    // Re-applies the colours to the widget's palette (also after the back style changed).
    virtual void applyColors();
    bool opaque_ = true;

private:
    friend class MouseBridge;
    QWidget* widget_;
    QPointer<QObject> guard_;  // notices a widget destroyed with its parent
    QString name_;
    int index_ = -1;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    QString tag_;
    Color foreColor_ = kWindowText;
    Color backColor_ = kButtonFace;
    bool foreSet_ = false, backSet_ = false;
    int mousePointer_ = 0;
    MouseBridge* bridge_ = nullptr;
};

}  // namespace ui
