#include "records/navpage.h"

#include "forms/programfiles.h"
#include "forms/form1.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"

namespace records {

namespace {

struct Tile {
    const char* link;
    const char* title;
    const char* picture;
    const char* tail;
};

const Tile kTiles[] = {
    {"http://www.baidu.com/", "百度", "pifu\\baidu.png", ""},
    {"http://www.youku.com/", "优酷", "pifu\\youku.png", ""},
    {"http://www.bilibili.com/", "哔哩", "pifu\\bilibili.png", ""},
    {"http://www.douyu.com/", "斗鱼", "pifu\\douyu.png", "<br><br>"},
    {"http://www.so.com/", "好搜", "pifu\\so.png", ""},
    {"http://www.xunlei.com/", "迅雷", "pifu\\xunlei.png", ""},
    {"http://www.kugou.com/", "酷狗", "pifu\\kugou.png", ""},
    {"http://tieba.baidu.com/", "贴吧", "pifu\\tieba.png", "<br><br>"},
    {"http://www.qq.com/", "腾讯", "pifu\\qq.png", ""},
    {"http://www.ifeng.com/", "凤凰", "pifu\\ifeng.png", ""},
    {"http://www.17173.com/", "1717", "pifu\\17173.png", ""},
    {"http://www.duowan.com/", "多玩", "pifu\\duowan.png", "<br><br>"},
};

// The link part of a default tile line is filled with blanks to this width, so "<img" always
// begins in the next column.
constexpr int kLinkWidth = 53;

// The number of header lines before the first tile line.
constexpr int kHeaderLines = 5;

}  // namespace

QStringList defaultNavPageLines() {
    QStringList lines{
        QStringLiteral("<!-- 代码不要手动修改，以免出错 -->"),
        QStringLiteral("<meta http-equiv=X-UA-Compatible content=IE=Edge>"),
        QStringLiteral("<title>自定义导航</title>"),
        QStringLiteral("<style type=text/css>img{border:2px solid #000000}</style><style type=text/css>img:hover{border:2px "
                       "solid #FF00FF}</style>"),
        QStringLiteral("<br><br><br><br><br><br><br><center>"),
    };
    int n = 0;
    for (const Tile& t : kTiles) {
        ++n;
        const QString link = QStringLiteral("<a href=") + QString::fromUtf8(t.link) + QLatin1Char('>');
        lines << link.leftJustified(kLinkWidth, QLatin1Char(' ')) + QStringLiteral("<img id=TavrolinOK") +
                     QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) + QStringLiteral(" title=") +
                     QString::fromUtf8(t.title) + QStringLiteral(" width=200 height=90 src=") +
                     QString::fromUtf8(t.picture) + QStringLiteral("></a>") + QString::fromUtf8(t.tail);
    }
    lines << QStringLiteral("</center>");
    return lines;
}

QString defaultTileLine(const QString& id) {
    static_assert(sizeof(kTiles) / sizeof(kTiles[0]) == 12, "twelve built-in tiles");
    const QString prefix = QStringLiteral("TavrolinOK");
    if (id.size() != prefix.size() + 2 || !id.startsWith(prefix)) return QString();
    const QChar a = id[prefix.size()], b = id[prefix.size() + 1];
    if (!rt::isAsciiDigit(a) || !rt::isAsciiDigit(b)) return QString();
    const int k = (a.unicode() - '0') * 10 + (b.unicode() - '0');
    if (k < 1 || k > 12) return QString();
    return defaultNavPageLines().at(kHeaderLines + k - 1);
}

}  // namespace records

NavPage::NavPage(Form1& f) : f_(f) {
    f_.Command3.onClick = [this] { Command3_Click(); };
}

void NavPage::Command3_Click() {
    rt::step([&] { sys::writeLines(forms::navPagePath(), records::defaultNavPageLines()); });
    rt::step([&] { f_.List1.clear(); });
    // The list is filled from the file as it now is; a file that cannot be read adds nothing.
    rt::step([&] {
        const QStringList lines = sys::readLines(forms::navPagePath());
        for (const QString& line : lines) f_.List1.addItem(line);
    });
}

bool NavPage::rewrite() {
    bool written = false;
    rt::step([&] {
        QStringList lines;
        for (int i = 0; i < f_.List1.listCount(); ++i) lines << f_.List1.list(i);
        sys::writeLines(forms::navPagePath(), lines);
        written = true;
    });
    rt::step([&] { show(); });
    return written;
}

void NavPage::show() { f_.WebBrowser1(1).Navigate(forms::navPagePath()); }
