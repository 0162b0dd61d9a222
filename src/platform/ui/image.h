#pragma once
#include "platform/ui/control.h"

#include <QPixmap>

class QLabel;

namespace ui {

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

}  // namespace ui
