#pragma once
#include "platform/ui/control.h"

#include <QString>

class QGroupBox;

namespace ui {

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

}  // namespace ui
