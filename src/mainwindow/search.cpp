#include "mainwindow/search.h"

#include "forms/frameblockinggrace.h"
#include "forms/newtab.h"
#include "forms/settings.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/programstarts.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"

#include <QUrl>

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
    QString engine;
    QString pattern;
    step([&] { engine = forms::read(forms::appkey::搜索引擎); });
    step([&] { pattern = forms::read(forms::Txt::Sousuo, QStringLiteral("搜索连接") + engine); });
    // The user's own navigation passes frame blocking like a typed address.
    forms::openUserNavigationGrace(f);
    QString words;
    QString address;
    step([&] { words = f.Label13.tag(); });
    step([&] { address = searchAddress(pattern, words); });
    forms::openInNewTab(f, address);
}

void Search::SSYQ100_Click(int Index) {
    if (Index >= 1 && Index <= 9) {
        step([&] { forms::write(forms::appkey::搜索引擎, rt::str(Index)); });
        step([&] { m.GIS100(3).setCaption(m.SSYQ100(Index).caption()); });
        return;
    }
    if (Index == 10) {
        // The engines' file in a text editor told its encoding (GBK); an editor that cannot be started
        // is named in a message.
        step([&] { forms::editProgramFile(forms::txtPath(forms::Txt::Sousuo)); });
    }
}
