#pragma once
// What the page handlers of the settings window share: the input box that asks for a new value (a
// refusal of one is ui::refuse), and the switches that store one of two texts.
//
// Asking: an input box titled "修改" with the caller's prompt and the current value as its answer, at
// one 2.6th of the screen width and half the screen height. An empty answer (Cancel gives one) or an
// unchanged one (compared exactly, letter case counting) changes nothing: askChange returns "" then.
//
// Each page that has switches declares them once, in one table of rows {control, key, ticked text,
// unticked text, hint} that the load, the store and the hint all read:
//   - the load ticks a switch only when its setting holds exactly its ticked text; any other text
//     (also a missing one) leaves it unticked as made;
//   - a switch stores when the user commits it: a left-button release over it (also one released
//     beside it, after pressing it) or a change made with the keyboard. It writes its ticked text when
//     ticked and its unticked text otherwise (a grey box counts as unticked). Other buttons, and ticks
//     set by code, store nothing;
//   - moving the pointer over it shows its hint.
#include "forms/settingkeys.h"

#include <QString>

#include <cstddef>

class Form5;

namespace ui {
class CheckBox;
class CheckBoxArray;
}  // namespace ui

namespace settings {

QString askChange(const QString& prompt, const QString& current);

// A check box of the settings window: an item of one of its check-box arrays, or a single box.
class SwitchControl {
public:
    constexpr SwitchControl(ui::CheckBoxArray Form5::*array, int index) : array_(array), index_(index) {}
    constexpr SwitchControl(ui::CheckBox Form5::*box) : box_(box) {}

    // The box in the window; raises as the array does for an item it does not hold.
    ui::CheckBox& in(Form5& w) const;
    bool is(ui::CheckBoxArray Form5::*array, int index) const { return array_ == array && index_ == index; }
    bool is(ui::CheckBox Form5::*box) const { return box_ && box_ == box; }

private:
    ui::CheckBoxArray Form5::*array_ = nullptr;
    ui::CheckBox Form5::*box_ = nullptr;
    int index_ = 0;
};

// One switch of a page: its control, its setting, the texts it stores ticked and unticked, its hint.
struct Switch {
    SwitchControl control;
    forms::Key key;
    const char* ticked;    // UTF-8, also the only text the load ticks it for
    const char* unticked;  // UTF-8
    const char* hint;      // UTF-8
};

// The switches of one page, in the order the load ticks them.
class SwitchTable {
public:
    template <std::size_t N>
    constexpr SwitchTable(const Switch (&rows)[N]) : first_(rows), last_(rows + N) {}

    const Switch* begin() const { return first_; }
    const Switch* end() const { return last_; }

    // The row of the item `index` of `array`, or of the single `box`; nullptr when the page has none.
    const Switch* find(ui::CheckBoxArray Form5::*array, int index) const;
    const Switch* find(ui::CheckBox Form5::*box) const;
    // As find, but raises "subscript out of range" (9) when the page has no such switch.
    const Switch& row(ui::CheckBoxArray Form5::*array, int index) const;
    const Switch& row(ui::CheckBox Form5::*box) const;

private:
    const Switch* first_;
    const Switch* last_;
};

// Ticks the switch when its setting holds exactly its ticked text (the load); nothing else.
void loadSwitch(Form5& w, const Switch& s);

// Writes the switch's text for its tick now.
void storeSwitch(Form5& w, const Switch& s);

// Shows the switch's hint beside it for a pointer at `X` within it.
void showHint(Form5& w, const Switch& s, double X);

// Whether a mouse release with these buttons commits a switch: the left button alone.
bool commits(int Button);

}  // namespace settings
