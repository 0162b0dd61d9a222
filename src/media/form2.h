#pragma once
// The picture viewer "图片": a window without caption bar or border that shows one picture in its
// browser, sized to the picture, or the picture list that the picture menu writes into the same page.
// Its handlers are PictureViewer's (pictureviewer.h); the picture menu `Form14.tanchu` PictureMenu's
// (picturemenu.h).
//
// Whoever wants to show a picture navigates `WebBrowser1` to it: the completed page sizes, places and
// shows the window. The browser runs no scripts of what it shows; an SVG picture is shown as a
// picture (an img element, as every other picture). A title row across the top holds the size text (`Label1(0)`, also a drag handle)
// and two glyphs, minimise and close (there is no glyph 2); the browser lies below it.
//
// The picture list is shown exactly when the caption of `Label1(0)` holds "图片" (the count
// followed by "个图片"); the size text never does.
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/web/documentsink.h"
#include "platform/web/webbrowser.h"

class Form2 : public ui::Form {
public:
    Form2();
    ~Form2() override;

    web::WebBrowser WebBrowser1{client()};
    ui::ControlArray<ui::Label> Label1{QStringLiteral("Label1")};  // 0 size text, 1 minimise, 3 close

    // The connection to the page the browser shows (attached at each completion while it is idle).
    web::DocumentSink CL;
    void setCL(const web::Document& doc) { CL.attach(doc); }

    // The glyph click, also called by the picture menu with Index 3: 1 minimises the viewer, 3
    // closes it (unloads it while the picture list is shown, else hides it); any other index does
    // nothing. An error inside it ends it and does not reach the caller.
    void Label1_Click(int Index);

    // Whether the picture list is shown: the caption of Label1(0) holds "图片".
    bool listShown() const;

    int hWnd();

    static const QString kCaption;  // "图片"
    // The window's colour, the glyphs' hover colour and the text colour of the three labels.
    static constexpr ui::Color kBack = 16100715;
    static constexpr ui::Color kHoverBack = 16748574;
    static constexpr ui::Color kText = 0;
    // The height of the title row: the browser begins there.
    static constexpr double kTitleRow = 500;
};
