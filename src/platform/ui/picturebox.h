#pragma once
#include "platform/ui/control.h"

#include <QPixmap>

namespace ui {

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

}  // namespace ui
