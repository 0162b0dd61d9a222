#pragma once
// What the browsers of the tab slots do to a page when it has arrived, before the user works with
// it. Each step works on the page of the browser that raised the event (slot `Index`), whichever slot
// is in front, and writes that slot's label; only the document connections follow the front slot.
//
// Download complete (once the page's document has arrived, while pictures and frames may still be
// loading, so that a page that never finishes is handled all the same; and again at the end of every
// top-level load, error pages included). Running it twice on one page is harmless: the connection is
// set to the same document (one listener per document), the scripts were already replaced.
//  1. Document connections: the home slot binds `M_Dom` to the home page; any other slot binds
//     `ORIBERISA` to the front slot's page, and only while a tab (slot 2 to 10) is in front.
//  2. Script stripping while `脚本被删除` reads 0 (empty or no number counts as on): every script
//     element (counted first, replaced from a list taken first) becomes the red marker 脚本1>, 脚本2>,
//     ... numbered afresh for each event.
//  3. A page the browser marks as the engine's error page gets the body of `网页挂了` (语言.txt). Only
//     those: an address that merely holds ".dll" or "res:" is a page like any other.
//
// Document complete (for every frame, then for the page):
//  1. The browser shows no dialogs of the page's scripts from now on (`Silent`).
//  2. The home slot presses `Command2(20)` (the skin picture), busy or not.
//  3. A browser still busy (a frame of a page that is still loading) stops here.
//  4. The page's body loses its border; about:blank stops here.
//  5. Frame stripping while `框架被删除` reads 0: the first m iframes (m the page's frame count) become
//     the magenta marker 框架1>, 框架2>, ...
//  6. The page itself (the event's address is the page's address, exact text): `Command12` (the visit
//     record) is pressed with the slot in its tag; then, while `连接提示` reads 1, `Command8` injects
//     the link hint bar into this slot's page (hintbar.h). Frames do neither.
//  7. An untitled page (title under two characters): the frame-blocking counter goes back to "0",
//     and when the address holds one of .txt .swf .ico .jpg .gif .bmp .png .htm .asp .php (any case,
//     the first of this list that occurs), a tab's label shows the extension, the home slot's title
//     strip `Label2(0)` shows "< " followed by it.
#include <QString>
#include <QStringList>

class Form1;
class HintBar;

namespace web {
class Document;
}

class PostProcessing {
public:
    // Sets the download-complete and document-complete handlers of WebBrowser1 (at the array).
    PostProcessing(Form1& f, HintBar& hintBar);
    PostProcessing(const PostProcessing&) = delete;
    PostProcessing& operator=(const PostProcessing&) = delete;

    void WebBrowser1_DownloadComplete(int Index);
    void WebBrowser1_DocumentComplete(int Index, const QString& URL);

    // The markers that take the place of the n-th script and the n-th frame.
    static QString scriptMarker(int n);
    static QString frameMarker(int n);
    // The extensions an untitled page's address is searched for, in this order.
    static const QStringList kExtensions;

private:
    // Replaces the first `count` elements of `tag` in `doc` by marker(1), marker(2), ...
    static void strip(const web::Document& doc, const QString& tag, int count, QString (*marker)(int));
    void untitledPage(int Index, const web::Document& doc);

    Form1& f;
    HintBar& hintBar_;
};
