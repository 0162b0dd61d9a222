#include "platform/ui/frame.h"

#include "platform/ui/accesskey.h"

#include <QGroupBox>

namespace ui {

Frame::Frame(QWidget* parent) : Control(new QGroupBox(parent)) {
    box_ = static_cast<QGroupBox*>(widget());
    bridgeMouse(true);
}

void Frame::setCaption(const QString& caption) {
    caption_ = caption;
    box_->setTitle(stripAccessKey(caption));
}

}  // namespace ui
