#pragma once
// The base of every control of the forms layer: a Qt widget seen through the properties the program
// uses. Geometry is kept in twips exactly as set (the value set is the value read back); the widget
// gets the rounded pixel rectangle. Visibility is the control's own flag: a control inside a hidden
// container stays "visible" while it can not be seen, as the program expects.
#include <QString>

class QWidget;

namespace ui {

class Control {
public:
    explicit Control(QWidget* widget);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QWidget* widget() const { return widget_; }

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
    virtual void move(double left, double top, double width, double height);

    bool visible() const { return visible_; }
    virtual void setVisible(bool visible);
    bool enabled() const;
    virtual void setEnabled(bool enabled);

    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    QString toolTipText() const;
    void setToolTipText(const QString& text);

    void setFocus();
    // 0 brings the control to the front of its siblings, 1 sends it to the back.
    void zOrder(int position = 0);

protected:
    // Called after the twips rectangle changed and the widget was placed.
    virtual void geometryChanged() {}

private:
    QWidget* widget_;
    QString name_;
    int index_ = -1;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    QString tag_;
};

}  // namespace ui
