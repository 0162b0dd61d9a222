#include "support/scripted_services.h"

#include "platform/ui/timer.h"

#include <functional>

namespace {

QString withoutAccess(QString caption) { return caption.remove(QLatin1Char('&')); }

// Depth-first search; `reachable` is false when the item or a menu above it can not be chosen.
const ui::PopupItem* findItem(const std::vector<ui::PopupItem>& items,
                              const std::function<bool(const ui::PopupItem&)>& match, bool* reachable,
                              bool parentsReachable = true) {
    for (const auto& it : items) {
        bool ok = parentsReachable && it.visible && it.enabled && !it.isSeparator();
        if (match(it)) {
            if (reachable) *reachable = ok;
            return &it;
        }
        if (const ui::PopupItem* found = findItem(it.items, match, reachable, ok)) return found;
    }
    return nullptr;
}

void collectCaptions(const std::vector<ui::PopupItem>& items, QStringList& out) {
    for (const auto& it : items) {
        if (!it.visible) continue;
        out << it.caption;
        collectCaptions(it.items, out);
    }
}

}  // namespace

QStringList ShownPopup::captions() const {
    QStringList out;
    collectCaptions(menu.items, out);
    return out;
}

const ui::PopupItem* ShownPopup::item(const QString& caption) const {
    const QString wanted = withoutAccess(caption);
    return findItem(menu.items, [&](const ui::PopupItem& it) { return withoutAccess(it.caption) == wanted; },
                    nullptr);
}

const ui::PopupItem* ShownPopup::item(const QString& name, int index) const {
    return findItem(menu.items, [&](const ui::PopupItem& it) { return it.name == name && it.index == index; },
                    nullptr);
}

ScriptedServices::ScriptedServices()
    : previous_(&ui::services()), now_(QDate(2024, 3, 15), QTime(10, 30, 0)) {
    ui::setServices(this);
}

ScriptedServices::~ScriptedServices() { ui::setServices(previous_); }

void ScriptedServices::queuePopupChoice(const QString& name, int index) {
    PopupChoice c;
    c.kind = PopupChoice::ByName;
    c.text = name;
    c.index = index;
    popupChoices_.push_back(c);
}

void ScriptedServices::queuePopupCaption(const QString& caption) {
    PopupChoice c;
    c.kind = PopupChoice::ByCaption;
    c.text = caption;
    popupChoices_.push_back(c);
}

void ScriptedServices::queuePopupNone() { popupChoices_.push_back(PopupChoice()); }

std::vector<ShownBox> ScriptedServices::boxes(ShownBox::Kind kind) const {
    std::vector<ShownBox> out;
    for (const auto& b : boxes_)
        if (b.kind == kind) out.push_back(b);
    return out;
}

QStringList ScriptedServices::messages() const {
    QStringList out;
    for (const auto& b : boxes_)
        if (b.kind == ShownBox::Message) out << b.prompt;
    return out;
}

void ScriptedServices::clearRecords() {
    boxes_.clear();
    popups_.clear();
    exitCodes_.clear();
}

int ScriptedServices::msgBox(const QString& prompt, int style, const QString& title) {
    ShownBox b;
    b.kind = ShownBox::Message;
    b.prompt = prompt;
    b.style = style;
    b.title = title;
    b.shownTitle = title.isEmpty() ? ui::defaultTitle() : title;
    const int buttons = style & 7;
    if (!msgAnswers_.empty()) {
        b.answer = msgAnswers_.front();
        msgAnswers_.pop_front();
    } else {
        b.answer = buttons == ui::vbYesNo ? ui::vbYes : ui::vbOK;
    }
    boxes_.push_back(b);
    return b.answer;
}

QString ScriptedServices::inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                                   double xTwips, double yTwips) {
    ShownBox b;
    b.kind = ShownBox::Input;
    b.prompt = prompt;
    b.title = title;
    b.shownTitle = title.isEmpty() ? ui::defaultTitle() : title;
    b.defaultText = defaultText;
    b.x = xTwips;
    b.y = yTwips;
    if (!inputs_.empty()) {
        b.text = inputs_.front();
        inputs_.pop_front();
    }
    boxes_.push_back(b);
    return b.text;
}

QString ScriptedServices::openFileName(const QString& title, const QString& filter, const QString& folder) {
    ShownBox b;
    b.kind = ShownBox::OpenFile;
    b.prompt = filter;
    b.title = title;
    b.shownTitle = title;
    b.defaultText = folder;
    if (!openFiles_.empty()) {
        b.text = openFiles_.front();
        openFiles_.pop_front();
    }
    boxes_.push_back(b);
    return b.text;
}

QString ScriptedServices::saveFileName(const QString& title, const QString& suggestedName, const QString& folder) {
    ShownBox b;
    b.kind = ShownBox::SaveFile;
    b.prompt = suggestedName;
    b.title = title;
    b.shownTitle = title;
    b.defaultText = folder;
    if (!saveFiles_.empty()) {
        const SaveAnswer& answer = saveFiles_.front();
        b.text = answer.inFolder ? answer.path + QLatin1Char('/') + suggestedName : answer.path;
        saveFiles_.pop_front();
    }
    boxes_.push_back(b);
    return b.text;
}

int ScriptedServices::popupMenu(const ui::PopupRequest& menu) {
    ShownPopup shown;
    shown.menu = menu;
    PopupChoice choice;
    if (!popupChoices_.empty()) {
        choice = popupChoices_.front();
        popupChoices_.pop_front();
    }
    const ui::PopupItem* item = nullptr;
    bool reachable = false;
    if (choice.kind == PopupChoice::ByName) {
        item = findItem(menu.items,
                        [&](const ui::PopupItem& it) { return it.name == choice.text && it.index == choice.index; },
                        &reachable);
    } else if (choice.kind == PopupChoice::ByCaption) {
        const QString wanted = withoutAccess(choice.text);
        item = findItem(menu.items, [&](const ui::PopupItem& it) { return withoutAccess(it.caption) == wanted; },
                        &reachable);
    }
    // A person can not choose a hidden, disabled or separator item, nor one inside such a submenu.
    shown.chosenId = item && reachable && item->items.empty() ? item->id : -1;
    popups_.push_back(shown);
    return shown.chosenId;
}

// ---------------------------------------------------------------------------------------------------

ManualClock::ManualClock() : previous_(&ui::clock()) { ui::setClock(this); }

ManualClock::~ManualClock() {
    releaseAll();
    ui::setClock(previous_);
}

void ManualClock::schedule(ui::Clocked& timer, int intervalMs) {
    entries_[&timer] = Entry{now_ + intervalMs, ++seq_, intervalMs};
}

void ManualClock::unschedule(ui::Clocked& timer) { entries_.erase(&timer); }

long long ManualClock::dueIn(const ui::Clocked& timer) const {
    auto it = entries_.find(const_cast<ui::Clocked*>(&timer));
    return it == entries_.end() ? -1 : it->second.due - now_;
}

void ManualClock::advance(int ms) {
    const long long target = now_ + ms;
    for (;;) {
        auto best = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->second.due > target) continue;
            if (best == entries_.end() || it->second.due < best->second.due ||
                (it->second.due == best->second.due && it->second.seq < best->second.seq))
                best = it;
        }
        if (best == entries_.end()) break;
        if (best->second.due > now_) now_ = best->second.due;
        ui::Clocked* timer = best->first;
        best->second.due += best->second.interval;
        best->second.seq = ++seq_;
        timer->tick();  // may stop, restart or destroy any timer, or advance the clock
    }
    if (target > now_) now_ = target;
}
