#include "media/flashpopout.h"

#include "forms/form1.h"
#include "forms/jobs.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "media/flashwindow.h"
#include "media/form12.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "platform/sys/windows.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/flashstandin.h"

using rt::guard;
using rt::step;

const QString FlashPopOut::kNoPlayer = QStringLiteral("视频不能小窗口");

namespace {

const QString kPlayerClass = QString::fromLatin1(web::kFlashPlayerClass);
constexpr int kTitleLength = 33;

bool isTab(int slot) { return slot >= 2 && slot <= 10; }

// The title label's right edge lies right of where the glyphs' room begins.
bool reachesGlyphs(Form12& w) { return w.Label1(0).left() + w.Label1(0).width() > w.width() - 2970; }

// A title that reaches the glyphs keeps its first 33 characters and "…"; while that still reaches
// them (wide characters, a narrow window), it loses one more character, so the glyphs stay in sight.
// A character outside the basic plane is never cut in half.
void cutTitle(Form12& w) {
    if (!reachesGlyphs(w)) return;
    QString kept = rt::left(w.Label1(0).caption(), kTitleLength);
    for (;;) {
        if (!kept.isEmpty() && kept.at(kept.size() - 1).isHighSurrogate()) kept.chop(1);
        w.Label1(0).setCaption(kept + QStringLiteral("…"));
        if (kept.isEmpty() || !reachesGlyphs(w)) return;
        kept.chop(1);
    }
}

}  // namespace

FlashPopOut::FlashPopOut(Form1& form) : f(form) {
    f.Command7.onClick = [this] { Command7_Click(); };
    forms::jobBody(f, forms::Job::FlashReparent) = [this] { reparent(); };
}

int FlashPopOut::findPlayer() {
    const int page = f.zvllq9();
    if (offered_ != 0 && sys::parentWindow(offered_) == page) return offered_;
    const std::vector<int> players = sys::childWindows(page, kPlayerClass);
    return players.empty() ? 0 : players.front();
}

void FlashPopOut::detect(const web::Element& element) {
    // The setting (a value that is no number counts as 0) and the popped-out slot (one that is no
    // number stops here).
    bool offer = false;
    step([&] { offer = forms::readNumber(forms::appkey::Flash按钮, 0) != 0 && !(rt::toDouble(f.Command7.tag()) > 1); });
    if (!offer) return;
    int front = 0;
    step([&] { front = forms::frontSlot(f); });
    if (!isTab(front)) return;

    // A large object or embed.
    QString tag;
    int width = 0;
    int height = 0;
    QRect box;
    if (!step([&] {
            tag = element.tagName().toLower();
            width = element.offsetWidth();
            height = element.offsetHeight();
            box = element.boundingClientRect();
        }))
        return;
    if (tag != QLatin1String("object") && tag != QLatin1String("embed")) return;
    if (!(width > 400 && height > 300)) return;

    // A player in the front page; the one under the object when there is one.
    std::vector<int> players;
    step([&] { players = sys::childWindows(f.zvllq9(), kPlayerClass); });
    if (players.empty()) return;
    int under = 0;
    for (int h : players) {
        if (sys::windowRect(h).contains(box.center())) {
            under = h;
            break;
        }
    }
    offered_ = under;

    step([&] { f.Command7.setVisible(true); });
    step([&] { f.Command7.zOrder(0); });
    step([&] { f.Command7.setTop(15.0 * box.top() + f.lv(2).height() + f.Text7.height() - 270); });
    step([&] { f.Command7.setLeft(15.0 * box.left() + 15.0 * width + f.WebBrowser1(2).left() - 1100); });

    step([&] { f.Label6(0).setCaption(rt::str(box.top())); });
    step([&] { f.Label6(1).setCaption(rt::str(box.left())); });
    step([&] { f.Label6(0).setTag(rt::str(height)); });
    step([&] { f.Label6(1).setTag(rt::str(width)); });
}

void FlashPopOut::Command7_Click() {
    int front = 0;
    step([&] { front = forms::frontSlot(f); });
    int player = 0;
    if (isTab(front)) step([&] { player = findPlayer(); });
    if (player <= 0) {
        step([&] { f.Command7.setVisible(false); });
        ui::refuse(kNoPlayer);
        return;
    }

    step([&] { forms::start(f, forms::Job::FlashReparent); });
    if (forms::readNumber(forms::appkey::弹出小化, 1) == 1) {
        step([&] { f.setWindowState(ui::vbMinimized); });
    }
    step([&] { f.Command7.setTag(rt::str(front)); });
    step([&] { f.Command7.setVisible(false); });

    Form12* window = nullptr;
    step([&] { window = &forms::window<Form12>(); });
    if (!window) return;
    Form12& w = *window;
    step([&] { w.setWidth(15 * rt::toDouble(f.Label6(1).tag()) - 10); });
    step([&] { w.setHeight(15 * rt::toDouble(f.Label6(0).tag()) + 480); });
    step([&] { w.Picture1.setWidth(w.width()); });
    step([&] { w.Label1(0).setCaption(f.WebBrowser1(front).document().title()); });
    step([&] { w.Label1(0).setLeft(120); });
    step([&] { w.Label1(1).setLeft(w.width() - 1990); });
    step([&] { w.Label1(3).setLeft(w.width() - 1010); });
    step([&] {
        w.Picture2.move(140 - 15 * rt::toDouble(f.Label6(1).caption()) - rt::toDouble(f.youyi()),
                        500 - 15 * rt::toDouble(f.Label6(0).caption()), w.width() + 9000, w.height() + 6000);
    });
    step([&] { player = findPlayer(); });
    if (guard([&] { return player > 0; })) {
        step([&] { f.SETYIDONG(player, w.containerHandle()); });
        popped_ = player;
    }
    step([&] { cutTitle(w); });
    // In the middle of the screen, at the size just given.
    step([&] {
        const QRect screen = ui::services().screenTwips();
        w.move(screen.left() + (screen.width() - w.width()) / 2, screen.top() + (screen.height() - w.height()) / 2);
    });
    step([&] { w.show(); });
}

void FlashPopOut::reparent() {
    int h = 0;
    step([&] { h = playerToMove(f.zvllq9()); });
    if (guard([&] { return h != 0; })) {
        step([&] {
            const int into = container();
            // Without an open pop-out window there is nowhere to move the player to.
            if (into == 0) return;
            f.SETYIDONG(h, into);
        });
    }
    step([&] { forms::stop(f, forms::Job::FlashReparent); });
}

void FlashPopOut::returnPlayer() {
    step([&] { forms::window<Form12>().Label1_Click(FlashWindow::kClose); });
}

int FlashPopOut::container() const {
    Form12* w = forms::windows().existing<Form12>();
    return w && w->loaded() ? w->containerHandle() : 0;
}

int FlashPopOut::playerToMove(int pageWindow) const {
    return popped_ != 0 && pageWindow != 0 && sys::parentWindow(popped_) == pageWindow ? popped_ : 0;
}
