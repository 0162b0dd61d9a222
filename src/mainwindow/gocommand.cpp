#include "mainwindow/gocommand.h"

#include "app/config.h"
#include "app/windowowner.h"
#include "mainwindow/form1.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/sys/inifile.h"
#include "platform/ui/services.h"
#include "records/favoriterecord.h"
#include "records/form13.h"

using rt::guard;
using rt::step;

const QString GoCommand::kBadAddress = QStringLiteral("网址不是正确的，不能打开");
const QString GoCommand::kNoTabInFront = QStringLiteral("没有正在浏览的标签，不能直接打开");

namespace {

const QString kFrameBlocking = QStringLiteral("框架不加载");

// The open grace: the file its "1" went to and the key's write count right after that write.
struct Grace {
    bool pending = false;
    QString file;
    unsigned long long writeCount = 0;
};

Grace& grace() {
    static Grace g;
    return g;
}

// True while the key holds the grace's "1" and nobody wrote it since.
bool graceStillOwnsKey() {
    const Grace& g = grace();
    if (!g.pending) return false;
    if (sys::profileWriteCount(g.file, app::kSection, kFrameBlocking) != g.writeCount) return false;
    return app::OS(g.file, app::kSection, kFrameBlocking) == QLatin1String("1");
}

void closeGrace() {
    const bool ours = graceStillOwnsKey();
    Grace& g = grace();
    const QString file = g.file;
    g = Grace();
    if (ours) app::XIERU(file, app::kSection, kFrameBlocking, QStringLiteral("0"));
}

}  // namespace

GoCommand::GoCommand(Form1& form) : f(form) {
    // A grace belongs to the program that opened it.
    grace() = Grace();
    f.Command1.onClick = [this] { Command1_Click(); };
}

void GoCommand::Command1_Click() {
    const QString appTxt = app::appTxt();

    // Text that cannot be an address.
    if (guard([&] { return rt::len(f.Text7.text()) <= 3 && rt::instr(f.Text7.text(), QStringLiteral(".")) == 0; })) {
        step([&] { ui::services().msgBox(kBadAddress, ui::vbCritical, QString()); });
        return;
    }

    // Archives and programs download through the home slot.
    if (guard([&] {
            const QString a = f.Text7.text();
            return rt::instr(a, QStringLiteral(".rar"), rt::TextCompare) > 0 ||
                   rt::instr(a, QStringLiteral(".exe"), rt::TextCompare) > 0 ||
                   rt::instr(a, QStringLiteral(".zip"), rt::TextCompare) > 0;
        })) {
        step([&] { f.WebBrowser1(1).Navigate(f.Text7.text()); });
        return;
    }

    addFavorite();

    if (guard([&] { return rt::toDouble(f.OS(appTxt, app::kSection, kFrameBlocking)) == 0; })) openGrace();

    // No tab open: the address opens in a new tab.
    if (guard([&] {
            for (int k = 2; k <= 10; ++k)
                if (f.lv(k).visible()) return false;
            return true;
        })) {
        step([&] { f.Command24.press(); });
        navigate(2);
        return;
    }

    // New-tab mode.
    if (guard([&] { return rt::toDouble(f.OS(appTxt, app::kSection, QStringLiteral("标签打开"))) == 1; })) {
        step([&] { f.Command24.press(); });
        for (int k = 2; k <= 10; ++k) {
            if (guard([&] { return rt::len(f.lv(k).caption()) < 2; })) {
                navigate(k);
                return;
            }
        }
        return;
    }

    // Direct mode: the front tab, when a tab is in front.
    if (guard([&] { return f.frontIsTab(); })) {
        int k = 0;
        if (step([&] { k = rt::toInt32(f.Label9.caption()); })) navigate(k);
    } else {
        step([&] { ui::services().msgBox(kNoTabInFront, ui::vbCritical, QString()); });
    }
}

void GoCommand::addFavorite() {
    Form13* w = nullptr;
    step([&] { w = &app::window<Form13>(); });
    if (!w) return;
    if (!guard([&] { return FavoriteRecord::canAdd(w->List1.listCount()); })) return;
    step([&] {
        // One clock reading gives the date, the period word and the time.
        const QDateTime now = ui::services().now();
        const QString address = f.Text7.text();
        const QString id = FavoriteRecord::makeId(w->records());
        w->addRecord(FavoriteRecord::make(now, address, id, FavoriteRecord::typedText(address)));
    });
}

void GoCommand::openGrace() {
    const QString appTxt = app::appTxt();
    if (!step([&] { f.XIERU(appTxt, app::kSection, kFrameBlocking, QStringLiteral("1")); })) return;
    Grace& g = grace();
    g.pending = true;
    g.file = appTxt;
    g.writeCount = sys::profileWriteCount(appTxt, app::kSection, kFrameBlocking);
    step([&] { f.Timer4(1).setEnabled(true); });
}

void GoCommand::navigate(int k) {
    const QString appTxt = app::appTxt();
    if (guard([&] { return rt::toDouble(f.OS(appTxt, app::kSection, QStringLiteral("UA"))) == 0; })) {
        step([&] { f.WebBrowser1(k).Navigate(f.Text7.text()); });
    } else {
        step([&] {
            f.WebBrowser1(k).Navigate(f.Text7.text(), 0, QString(), QByteArray(),
                                      QStringLiteral("User-Agent:") +
                                          f.OS(appTxt, app::kSection, QStringLiteral("呈现伪造")));
        });
    }
}

void GoCommand::graceJob() { closeGrace(); }

void GoCommand::endPendingGrace() { closeGrace(); }

bool GoCommand::gracePending() { return grace().pending; }
