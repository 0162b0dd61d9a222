#include "settings/hintbox.h"

#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "settings/form5.h"

#include <algorithm>

using rt::step;

namespace {

// The top of the box for a field.
using TopRule = double (*)(Form5& w, const ui::Control& field);

struct HintPlace {
    const char* name;  // the field's design name
    int index;         // its index in its array, -1 for a single control
    TopRule top;
    double left;       // added to the pointer's X within the field
};

double frame0(Form5& w, double offset) { return w.Frame1(0).top() + offset; }
double frame3(Form5& w, double offset) { return w.Frame1(3).top() + offset; }

const HintPlace kPlaces[] = {
    // Page 1: the switches of the two frames take their frame's top.
    {"Check1", 1, [](Form5& w, const ui::Control&) { return frame0(w, 1090); }, 1850},
    {"Check1", 5, [](Form5& w, const ui::Control&) { return frame0(w, 1090); }, 1850},
    {"Check1", 2, [](Form5& w, const ui::Control&) { return frame0(w, 1450); }, 1850},
    {"Check1", 6, [](Form5& w, const ui::Control&) { return frame0(w, 1450); }, 1850},
    {"Check1", 3, [](Form5& w, const ui::Control&) { return frame0(w, 1810); }, 1850},
    {"Check1", 4, [](Form5& w, const ui::Control&) { return frame0(w, 2170); }, 1850},
    {"Check16", 1, [](Form5& w, const ui::Control&) { return frame3(w, 1090); }, 4500},
    {"Check16", 2, [](Form5& w, const ui::Control&) { return frame3(w, 1450); }, 4500},
    {"Check16", 3, [](Form5& w, const ui::Control&) { return frame3(w, 1810); }, 4500},
    {"Check16", 4, [](Form5& w, const ui::Control&) { return frame3(w, 2170); }, 4500},
    {"Check20", -1, [](Form5&, const ui::Control& c) { return c.top() + c.height() + 500; }, 1750},
    {"Text1", 0, [](Form5&, const ui::Control& c) { return c.top() + c.height() + 500; }, 2120},
    {"Text1", 1, [](Form5&, const ui::Control& c) { return c.top() + c.height() + 500; }, 2380},
    // Page 2.
    {"Check3", -1, [](Form5&, const ui::Control& c) { return c.top() + 850; }, 1600},
    {"Text51", 1, [](Form5&, const ui::Control& c) { return c.height() + 630; }, 1600},
    // Page 3.
    {"Command2", -1, [](Form5& w, const ui::Control&) { return w.Text3.top() + 1600; }, 600},
    // Page 5.
    {"Check22", 1, [](Form5&, const ui::Control& c) { return c.top() + 755; }, 4000},
    {"Check22", 2, [](Form5&, const ui::Control& c) { return c.top() + 755; }, 4000},
    {"Check22", 3, [](Form5&, const ui::Control& c) { return c.top() + 755; }, 4000},
    {"Check22", 4, [](Form5&, const ui::Control& c) { return c.top() + 755; }, 4000},
    {"Check22", 5, [](Form5&, const ui::Control& c) { return c.top() + 755; }, 4000},
    {"Text21", 1, [](Form5&, const ui::Control& c) { return c.top() + 770; }, 2600},
    {"Text21", 2, [](Form5&, const ui::Control& c) { return c.top() + 770; }, 2600},
    {"Text21", 3, [](Form5&, const ui::Control& c) { return c.top() + 770; }, 2600},
    {"Text21", 4, [](Form5&, const ui::Control& c) { return c.top() + 770; }, 2600},
    {"Text21", 5, [](Form5&, const ui::Control& c) { return c.top() + 770; }, 2600},
    {"Text6", -1, [](Form5&, const ui::Control& c) { return c.top() + 880; }, 2700},
    {"Text8", -1, [](Form5&, const ui::Control& c) { return c.top() + 880; }, 2700},
    {"Text32", -1, [](Form5&, const ui::Control& c) { return c.top() + 880; }, 2700},
    // Page 7: one top under each column.
    {"Text7", 0, [](Form5& w, const ui::Control&) { return w.Text7(0).top() + 3350; }, 2550},
    {"Text7", 10, [](Form5& w, const ui::Control&) { return w.Text7(0).top() + 3350; }, 2550},
    {"Text7", 11, [](Form5& w, const ui::Control&) { return w.Text7(0).top() + 3350; }, 2550},
    {"Text7", 12, [](Form5& w, const ui::Control&) { return w.Text7(0).top() + 3350; }, 2550},
    {"Text7", 17, [](Form5& w, const ui::Control&) { return w.Text7(0).top() + 3350; }, 2550},
    {"Text7", 18, [](Form5& w, const ui::Control&) { return w.Text7(0).top() + 3350; }, 2550},
    {"Text7", 13, [](Form5& w, const ui::Control&) { return w.Text7(16).top() + 800; }, 2550},
    {"Text7", 14, [](Form5& w, const ui::Control&) { return w.Text7(16).top() + 800; }, 2550},
    {"Text7", 15, [](Form5& w, const ui::Control&) { return w.Text7(16).top() + 800; }, 2550},
    {"Text7", 16, [](Form5& w, const ui::Control&) { return w.Text7(16).top() + 800; }, 2550},
    // Page 8.
    {"Check2", -1, [](Form5&, const ui::Control& c) { return c.top() + 2270; }, 1150},
};

}  // namespace

HintBox::HintBox(Form5& window) : w(window) {
    w.Picture1.onMouseMove = [this](int Index, int, int, double, double) { Picture1_MouseMove(Index); };
    w.Frame1.onMouseMove = [this](int Index, int, int, double, double) { Frame1_MouseMove(Index); };
    w.List1.onMouseMove = [this](int, int, double, double) { List1_MouseMove(); };
    w.Option1.onMouseMove = [this](int, int, double, double) { Option1_MouseMove(); };
    w.Option2.onMouseMove = [this](int, int, double, double) { Option2_MouseMove(); };
}

HintBox::Place HintBox::placeFor(Form5& w, const ui::Control& field, double x) {
    for (const HintPlace& p : kPlaces) {
        if (field.name() == QLatin1String(p.name) && field.index() == p.index) return {p.top(w, field), x + p.left};
    }
    rt::raise(rt::InvalidProcedureCall);
}

void HintBox::show(Form5& w, const ui::Control& field, double x, const QString& text) {
    step([&] {
        const Place p = placeFor(w, field, x);
        w.Picture2.setTop(p.top);
        w.Picture2.setLeft(p.left);
    });
    step([&] { w.Label3.setCaption(text); });
    step([&] { w.Picture2.setWidth(w.Label3.width() + 70); });
    step([&] { keepInside(w); });
    step([&] { w.Picture2.zOrder(0); });
    step([&] { w.Picture2.setVisible(true); });
}

void HintBox::keepInside(Form5& w) {
    const double over = w.Picture2.left() + w.Picture2.width() - w.scaleWidth();
    if (over > 0) w.Picture2.setLeft(std::max(0.0, w.Picture2.left() - over));
    const double below = w.Picture2.top() + w.Picture2.height() - w.scaleHeight();
    if (below > 0) w.Picture2.setTop(std::max(0.0, w.Picture2.top() - below));
}

void HintBox::putAway() {
    step([&] { w.Picture2.zOrder(1); });
    step([&] { w.Picture2.setVisible(false); });
}

void HintBox::sendBehind() { step([&] { w.Picture2.zOrder(1); }); }

void HintBox::Picture1_MouseMove(int) { putAway(); }
void HintBox::Frame1_MouseMove(int) { putAway(); }
void HintBox::List1_MouseMove() { putAway(); }
void HintBox::Option1_MouseMove() { sendBehind(); }
void HintBox::Option2_MouseMove() { sendBehind(); }
