#pragma once
#include "platform/ui/control.h"

namespace ui {

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
