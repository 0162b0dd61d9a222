#include "mainwindow/search.h"

#include "app/config.h"
#include "mainwindow/form1.h"
#include "mainwindow/form4.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/shell.h"

#include <QUrl>

using rt::guard;
using rt::step;

Search::Search(Form1& form, Form4& menus) : f(form), m(menus) {
    f.Label13.onClick = [this] { Label13_Click(); };
    m.SSYQ100.onClick = [this](int Index) { SSYQ100_Click(Index); };
}

QString Search::searchAddress(const QString& pattern, const QString& words) {
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(words));
    QString address = pattern;
    address.replace(QStringLiteral("%s%"), encoded, Qt::CaseSensitive);
    return address;
}

void Search::Label13_Click() {
    const QString appTxt = app::appTxt();
    QString engine;
    QString pattern;
    step([&] { engine = f.OS(appTxt, app::kSection, QStringLiteral("搜索引擎")); });
    step([&] { pattern = f.OS(app::sousuoTxt(), app::kSection, QStringLiteral("搜索连接") + engine); });
    step([&] { f.Command24.press(); });
    for (int k = 2; k <= 10; ++k) {
        if (!guard([&] { return rt::len(f.lv(k).caption()) < 2; })) continue;
        QString words;
        QString address;
        step([&] { words = f.Label13.tag(); });
        step([&] { address = searchAddress(pattern, words); });
        if (guard([&] { return rt::toDouble(f.OS(appTxt, app::kSection, QStringLiteral("UA"))) == 0; })) {
            step([&] { f.WebBrowser1(k).Navigate(address); });
        } else {
            step([&] {
                f.WebBrowser1(k).Navigate(address, 0, QString(), QByteArray(),
                                          QStringLiteral("User-Agent:") +
                                              f.OS(appTxt, app::kSection, QStringLiteral("呈现伪造")));
            });
        }
        return;
    }
}

void Search::SSYQ100_Click(int Index) {
    if (Index >= 1 && Index <= 9) {
        step([&] { f.XIERU(app::appTxt(), app::kSection, QStringLiteral("搜索引擎"), rt::str(Index)); });
        step([&] { m.GIS100(3).setCaption(m.SSYQ100(Index).caption()); });
        return;
    }
    if (Index == 10) {
        // An editor that cannot be started is passed over.
        step([&] { sys::launcher().openInTextEditor(sys::appPath() + QStringLiteral("\\txt\\sousuo.txt")); });
    }
}
