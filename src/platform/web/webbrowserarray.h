#pragma once
// A control array of browsers whose events are raised at the array level with the index first
// (WebBrowser1_DownloadComplete(Index)), as the mouse events of any control array are: the slots of
// BrowserArrayEvents (browserevents.h), onDownloadComplete(Index), onBeforeNavigate2(Index, url,
// flags, target, postData, headers, cancel), ... Every item forwards each of its events to the
// array; an item's own handler, when it has one, runs first.
//
// An item's events go with the item: once it is unloaded (also from inside one of its own events) no
// event of it reaches the array any more, whatever its page was still doing.
#include "platform/ui/controlarray.h"
#include "platform/web/browserevents.h"
#include "platform/web/webbrowser.h"

#include <QString>

namespace web {

class WebBrowserArray : public BrowserArrayEvents, public ui::ControlArray<WebBrowser> {
public:
    explicit WebBrowserArray(const QString& name = QString()) : ui::ControlArray<WebBrowser>(name) {}

protected:
    void placed(int index, WebBrowser& item) override;
};

}  // namespace web
