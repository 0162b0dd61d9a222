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

    // Room for a picture lying on the label's left part, in twips from its left edge (0: none). A
    // left-aligned caption that begins with blanks leaves that room: its first character that is not a
    // blank begins no nearer to the left edge than `room`, however narrow the blanks are in the
    // label's font. Other captions are drawn as they are.
    double pictureRoom() const { return pictureRoom_; }
    void setPictureRoom(double room);
    // Where the caption's first character that is not a blank begins, in twips from the label's left
    // edge (left-aligned captions; 0 for a caption of blanks only).
    double captionTextLeft() const;

    void copyStateFrom(const Control& other) override;

protected:
    void fontChanged() override {
        applyPictureRoom();
        fit();
    }

private:
    void fit();
    // The text indent that keeps the picture room.
    void applyPictureRoom();
    int leadingBlankPixels() const;
    QLabel* label_;
    QString caption_;
    int alignment_ = vbLeftJustify;
    bool autoSize_ = false;
    int borderStyle_ = 0;
    bool wordWrap_ = false;
    double pictureRoom_ = 0;
};

}  // namespace ui
