#pragma once
// Services for tests: every box a person would see is recorded in order, answers come from queues
// filled by the test (with plain defaults when a queue is empty), and the clipboard, the screen, the
// time of day and the ending of the process are under the test's control. Constructing one installs
// it; destroying it restores the services that were in place before.
//
// ManualClock drives the timers of the forms: time moves only when the test calls advance().
#include "platform/ui/clock.h"
#include "platform/ui/services.h"

#include <QDateTime>
#include <QRect>
#include <QString>
#include <QStringList>

#include <deque>
#include <map>
#include <vector>

// One box shown: a message box, an input box, a file chooser or a Save As.
struct ShownBox {
    enum Kind { Message, Input, OpenFile, SaveFile };
    Kind kind = Message;
    QString prompt;       // message, input prompt; for file boxes the filter / the suggested name
    int style = 0;        // message box style bits
    QString title;        // as passed (empty when the caller left it to the default)
    QString shownTitle;   // the title a person saw
    QString defaultText;  // input box default text; file boxes: the start folder
    double x = 0, y = 0;  // input box position in twips
    int answer = 0;       // message box answer
    QString text;         // input / file answer
};

// One popup menu shown, with the state of its items at popup time.
struct ShownPopup {
    ui::PopupRequest menu;
    int chosenId = -1;
    // The visible item captions in order (submenus flattened after their parent item).
    QStringList captions() const;
    // The item with this caption (first match, depth first), or nullptr.
    const ui::PopupItem* item(const QString& caption) const;
    const ui::PopupItem* item(const QString& name, int index) const;
};

class ScriptedServices : public ui::Services {
public:
    ScriptedServices();
    ~ScriptedServices() override;

    // --- what the test queues ----------------------------------------------------------------
    void queueMsgBoxAnswer(int answer) { msgAnswers_.push_back(answer); }
    void queueInput(const QString& text) { inputs_.push_back(text); }
    void queueOpenFile(const QString& path) { openFiles_.push_back(path); }
    void queueSaveFile(const QString& path) { saveFiles_.push_back({path, false}); }
    // A Save As answered by choosing a folder and keeping the suggested name.
    void queueSaveInFolder(const QString& folder) { saveFiles_.push_back({folder, true}); }
    // Popup choices, one per popup: an item by its design name and index (-1 for a single item),
    // an item by its caption ("&" ignored), or no choice at all.
    void queuePopupChoice(const QString& name, int index = -1);
    void queuePopupCaption(const QString& caption);
    void queuePopupNone();

    void setNow(const QDateTime& now) { now_ = now; }
    void setScreen(const QRect& screenTwips) { screen_ = screenTwips; }
    void setWorkArea(const QRect& workAreaTwips) { workArea_ = workAreaTwips; }
    // Further screens beside the primary one (their work areas, in twips).
    void setOtherWorkAreas(const std::vector<QRect>& areas) { otherWorkAreas_ = areas; }
    void setFonts(const QStringList& fonts) { fonts_ = fonts; }
    void setClipboard(const QString& text) { clipboard_ = text; }

    // --- what the test reads -----------------------------------------------------------------
    const std::vector<ShownBox>& boxes() const { return boxes_; }
    std::vector<ShownBox> boxes(ShownBox::Kind kind) const;
    // The prompts of the message boxes shown, in order.
    QStringList messages() const;
    const std::vector<ShownPopup>& popups() const { return popups_; }
    const std::vector<int>& exitCodes() const { return exitCodes_; }
    QString clipboard() const { return clipboard_; }
    void clearRecords();

    // --- ui::Services ------------------------------------------------------------------------
    int msgBox(const QString& prompt, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText, double xTwips,
                     double yTwips) override;
    QString openFileName(const QString& title, const QString& filter, const QString& folder) override;
    QString saveFileName(const QString& title, const QString& suggestedName, const QString& folder) override;
    int popupMenu(const ui::PopupRequest& menu) override;
    QString clipboardText() override { return clipboard_; }
    void setClipboardText(const QString& text) override { clipboard_ = text; }
    QRect screenTwips() override { return screen_; }
    QRect workAreaTwips() override { return workArea_; }
    std::vector<QRect> workAreasTwips() override {
        std::vector<QRect> areas{workArea_};
        areas.insert(areas.end(), otherWorkAreas_.begin(), otherWorkAreas_.end());
        return areas;
    }
    QStringList fontFamilies() override { return fonts_; }
    QDateTime now() override { return now_; }
    void exitProcess(int code) override { exitCodes_.push_back(code); }

private:
    struct PopupChoice {
        enum Kind { None, ByName, ByCaption } kind = None;
        QString text;
        int index = -1;
    };

    ui::Services* previous_;
    std::deque<int> msgAnswers_;
    struct SaveAnswer {
        QString path;   // the file, or the folder when `inFolder`
        bool inFolder;  // the suggested name is kept in that folder
    };
    std::deque<QString> inputs_, openFiles_;
    std::deque<SaveAnswer> saveFiles_;
    std::deque<PopupChoice> popupChoices_;
    std::vector<ShownBox> boxes_;
    std::vector<ShownPopup> popups_;
    std::vector<int> exitCodes_;
    QDateTime now_;
    QRect screen_{0, 0, 1920 * 15, 1080 * 15};
    QRect workArea_{0, 0, 1920 * 15, 1040 * 15};
    std::vector<QRect> otherWorkAreas_;
    QStringList fonts_{QStringLiteral("宋体"), QStringLiteral("微软雅黑"), QStringLiteral("Arial")};
    QString clipboard_;
};

// A clock that stands still until advance(): due timers tick in order of their due time (timers due
// at the same moment in the order they were started). A tick handler may start, stop or advance.
class ManualClock : public ui::Clock {
public:
    ManualClock();
    ~ManualClock() override;

    // Moves time on by `ms`, running every tick that falls due on the way.
    void advance(int ms);
    long long now() const { return now_; }
    // Milliseconds until the timer's next tick, or -1 when it is not counting down.
    long long dueIn(const ui::Clocked& timer) const;

protected:
    void schedule(ui::Clocked& timer, int intervalMs) override;
    void unschedule(ui::Clocked& timer) override;

private:
    struct Entry {
        long long due;
        long long seq;
        int interval;
    };
    ui::Clock* previous_;
    std::map<ui::Clocked*, Entry> entries_;
    long long now_ = 0;
    long long seq_ = 0;
};
