#pragma once
// The handlers of the picture viewer Form2, made with the window: the viewer takes its caption at
// load and shows itself once its picture has loaded.
class Form2;

class PictureViewer {
public:
    explicit PictureViewer(Form2& w);
    PictureViewer(const PictureViewer&) = delete;
    PictureViewer& operator=(const PictureViewer&) = delete;

    void Form_Load();
    void WebBrowser1_DocumentComplete();

private:
    Form2& w;
};
