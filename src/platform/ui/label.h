#pragma once
#include "platform/ui/alignment.h"
#include "platform/ui/control.h"

#include <QString>

class QLabel;

namespace ui {

// A windowless label: caption, alignment, auto-size, transparent or opaque background, border.
class Label : public Control {
public:
    explicit Label(QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int alignment() const { return alignment_; }
    void setAlignment(int alignment);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    // 0 transparent, 1 opaque.
    int backStyle() const { return opaque_ ? 1 : 0; }
    void setBackStyle(int style);
    // 0 none, 1 fixed single.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

    void copyStateFrom(const Control& other) override;

protected:
    void fontChanged() override { fit(); }

private:
    void fit();
    QLabel* label_;
    QString caption_;
    int alignment_ = vbLeftJustify;
    bool autoSize_ = false;
    int borderStyle_ = 0;
    bool wordWrap_ = false;
};

}  // namespace ui
