#pragma once
#include "platform/ui/control.h"

namespace ui {

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

}  // namespace ui
