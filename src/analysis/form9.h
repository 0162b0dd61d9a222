#pragma once
// The page score window (design caption "得分"): a fixed window, centred on the screen when made, with
// a panel `Picture2` holding the read-only boxes `Text3(1..10)` (a measure of the front page each,
// behind its label) with their marks `Label2(1..10)`, and the box `Text3(0)` of several lines for the
// page's User-Agent. Its handlers are PageScoreWindow's (pagescorewindow.h).
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

class Form9 : public ui::Form {
public:
    // A box of the window: one line, or several.
    class Box : public ui::TextBox {
    public:
        explicit Box(QWidget* parent, bool multiLine = false) : ui::TextBox(parent, multiLine) {}
    };

    Form9();
    ~Form9() override;

    ui::PictureBox Picture2{client()};
    ui::ControlArray<Box> Text3{QStringLiteral("Text3")};
    ui::ControlArray<ui::Label> Label2{QStringLiteral("Label2")};

    // The design colours of the boxes and the window's size in twips.
    static constexpr ui::Color kBoxBack = 0xFFFFFF;
    static constexpr ui::Color kBoxText = 0x484848;
    static constexpr double kWidth = 5385;
    static constexpr double kHeight = 4710;
};
