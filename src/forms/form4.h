#pragma once
// The menu owner: a window that is never shown and holds every popup menu of the main window with
// the state of its items, and the 100 ms timer that finishes closing a tab. Handlers are set by the
// subsystems: item arrays through their onClick (the index first), single items through theirs.
#include "platform/ui/form.h"
#include "platform/ui/menu.h"
#include "platform/ui/timer.h"

class Form4 : public ui::Form {
public:
    Form4();
    ~Form4() override;

    // The tab menu.
    ui::Menu BQYJ{QStringLiteral("BQYJ"), QStringLiteral("标签右键")};
    ui::MenuArray BQYJ100{QStringLiteral("BQYJ100")};

    // The tile editor of the navigation page.
    ui::Menu BJDH{QStringLiteral("BJDH"), QStringLiteral("编辑导航")};
    ui::MenuArray BJDH100{QStringLiteral("BJDH100")};

    // The address-bar menu; item 2 opens the TOP list.
    ui::Menu DZYJ{QStringLiteral("DZYJ"), QStringLiteral("地址右键")};
    ui::MenuArray DZYJ100{QStringLiteral("DZYJ100")};
    ui::MenuArray top20{QStringLiteral("top20")};

    // The main menu.
    ui::Menu caidan{QStringLiteral("caidan"), QStringLiteral("菜单")};
    ui::MenuArray caidan100{QStringLiteral("caidan100")};
    ui::MenuArray peise{QStringLiteral("peise")};
    ui::Menu aaa{QStringLiteral("aaa"), QStringLiteral("-")};
    ui::Menu WYJZ{QStringLiteral("WYJZ"), QStringLiteral("网页加载")};
    ui::MenuArray WYJZ100{QStringLiteral("WYJZ100")};
    ui::Menu SSYQ{QStringLiteral("SSYQ"), QStringLiteral("搜索引擎")};
    ui::MenuArray SSYQ100{QStringLiteral("SSYQ100")};
    ui::Menu WYSF{QStringLiteral("WYSF"), QStringLiteral("网页缩放")};
    ui::MenuArray WYSF100{QStringLiteral("WYSF100")};
    ui::Menu RCGJ{QStringLiteral("RCGJ"), QStringLiteral("日常工具")};
    ui::MenuArray RCGJ100{QStringLiteral("RCGJ100")};
    ui::Menu bbb{QStringLiteral("bbb"), QStringLiteral("-")};
    ui::MenuArray LISHI{QStringLiteral("LISHI")};
    ui::Menu ccc{QStringLiteral("ccc"), QStringLiteral("-")};
    ui::MenuArray GB{QStringLiteral("GB")};

    // The document menu.
    ui::Menu WDYJ{QStringLiteral("WDYJ"), QStringLiteral("文档右键")};
    ui::MenuArray WDYJ100{QStringLiteral("WDYJ100")};
    ui::Menu ddd{QStringLiteral("ddd"), QStringLiteral("-")};
    ui::MenuArray DK100{QStringLiteral("DK100")};
    ui::MenuArray TK100{QStringLiteral("TK100")};
    ui::Menu eee{QStringLiteral("eee"), QStringLiteral("-")};
    ui::MenuArray SX100{QStringLiteral("SX100")};
    ui::Menu fff{QStringLiteral("fff"), QStringLiteral("-")};
    ui::MenuArray GIS100{QStringLiteral("GIS100")};
    ui::Menu ggg{QStringLiteral("ggg"), QStringLiteral("-")};
    ui::MenuArray yuanma100{QStringLiteral("yuanma100")};
    ui::MenuArray BJYM100{QStringLiteral("BJYM100")};
    ui::Menu hhh{QStringLiteral("hhh"), QStringLiteral("-")};
    ui::MenuArray html100{QStringLiteral("html100")};
    ui::MenuArray CS100{QStringLiteral("CS100")};

    // Finishes closing a tab: 100 ms, disabled until a close starts it.
    ui::Timer Timer1;
};
