#pragma once
// The second menu owner: a window that is never shown. It holds the popup menus of the favorites
// window (`bianji`), the download list (`xiazai`), the source window (`yuanmayj`) and the picture
// viewer (`tanchu`), the short-URL fetch browser and the picture viewer's file list. It is made and loaded on first use and lives
// until the program ends. Handlers are set by the subsystems that own those windows.
#include "platform/ui/filelistbox.h"
#include "platform/ui/form.h"
#include "platform/ui/menu.h"
#include "platform/web/webbrowser.h"

class Form14 : public ui::Form {
public:
    Form14();
    ~Form14() override;

    // The short-URL fetch browser: never shown.
    web::WebBrowser WebBrowser1{client()};

    // The edit menu of the favorites window.
    ui::Menu bianji{QStringLiteral("bianji"), QStringLiteral("编辑")};
    ui::MenuArray bianji100{QStringLiteral("bianji100")};

    // The menu of the download list window.
    ui::Menu xiazai{QStringLiteral("xiazai"), QStringLiteral("下载")};
    ui::MenuArray xiazai100{QStringLiteral("xiazai100")};

    // The menu of the source window.
    ui::Menu yuanmayj{QStringLiteral("yuanmayj"), QStringLiteral("源码")};
    ui::MenuArray yuanmayj100{QStringLiteral("yuanmayj100")};

    // The picture menu of the picture viewer.
    ui::Menu tanchu{QStringLiteral("tanchu"), QStringLiteral("弹出")};
    ui::MenuArray lianjie100{QStringLiteral("lianjie100")};

    // The picture viewer's list of the picture files of a folder: never shown.
    ui::FileListBox File1;
};
