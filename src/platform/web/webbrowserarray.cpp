#include "platform/web/webbrowserarray.h"

namespace web {

void WebBrowserArray::placed(int index, WebBrowser& item) {
    item.array_.events = this;
    item.array_.index = index;
}

}  // namespace web
