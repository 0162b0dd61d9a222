#include "media/form12.h"

#include "platform/sys/windows.h"

const QString Form12::kCaption = QStringLiteral("Flash播放器");

namespace {

// The window's colour as made, kept when the colour setting is not a number: a dark grey under a
// light text.
constexpr ui::Color kDesignBack = 0x303030;
constexpr ui::Color kDesignText = 0xFFFFFF;

}  // namespace

Form12::Form12() : ui::Form(true) {
    setCaption(QStringLiteral("Form12"));
    setBackColor(kDesignBack);
    move(0, 0, 6375, 5040);

    Picture1.setName(QStringLiteral("Picture1"));
    Picture1.setBorderStyle(0);
    Picture1.setBackColor(kDesignBack);
    Picture1.move(0, 0, 6375, 495);

    for (int i : {0, 1, 3}) {
        ui::Label& l = Label1.add(i, Picture1.container());
        l.setAutoSize(true);
        l.setBackStyle(0);
        l.setForeColor(kDesignText);
    }
    Label1(0).setCaption(QStringLiteral("La"));
    Label1(0).setFontSize(12);
    Label1(0).move(120, 40);
    for (int i : {1, 3}) {
        Label1(i).setFontSize(14.25);
        Label1(i).setBorderStyle(1);
    }
    Label1(1).move(6375 - 1990, -10);
    Label1(3).move(6375 - 1010, -10);

    Picture2.setName(QStringLiteral("Picture2"));
    Picture2.setBorderStyle(0);
    Picture2.setBackColor(kDesignBack);
    Picture2.move(0, 600, 3135, 2175);

    // The strip in front of the container.
    Picture1.zOrder(0);
}

Form12::~Form12() = default;

void Form12::Label1_Click(int Index) { ui::dispatch(Label1.onClick, Index); }

int Form12::hWnd() { return sys::handleOf(widget()); }

int Form12::containerHandle() { return sys::handleOf(Picture2.widget()); }
