#include "forms/slots.h"

#include "forms/form1.h"
#include "forms/settings.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"

using rt::guard;
using rt::step;

namespace forms {

namespace {

const QString kFiveBlanks = QStringLiteral("     ");
const QString kEllipsis = QString(QChar(0x2026));

QString cutTitle(const QString& title, const QString& count) {
    if (guard([&] { return rt::len(title) <= rt::toInt32(count); })) return title;
    return rt::left(title, rt::toInt32(count)) + kEllipsis;
}

}  // namespace

int frontSlot(Form1& f) { return rt::toInt32(f.Label9.caption()); }

bool isFree(Form1& f, int k) { return rt::len(f.lv(k).caption()) <= 1; }

int firstFreeSlot(Form1& f) {
    for (int k = 2; k <= 10; ++k)
        if (isFree(f, k)) return k;
    return 0;
}

bool allTaken(Form1& f) { return firstFreeSlot(f) == 0; }

void frontLook(Form1& f, int k) {
    step([&] { f.lv(k).setBackStyle(1); });
    step([&] { f.lv(k).setBackColor(rt::toColor(f.j())); });
    step([&] { f.lv(k).setForeColor(rt::toColor(f.read(appkey::字体颜色2))); });
}

void backLook(Form1& f, int k) {
    step([&] { f.lv(k).setBackStyle(0); });
    step([&] { f.lv(k).setForeColor(rt::toColor(f.read(appkey::字体颜色1))); });
}

void focusAddressBox(Form1& f) {
    if (!f.Text7.visible()) rt::raise(rt::InvalidProcedureCall);
    f.Text7.setFocus();
}

void bringToFront(Form1& f, int k) {
    frontLook(f, k);
    step([&] { f.WebBrowser1(k).zOrder(0); });
    step([&] { focusAddressBox(f); });
    step([&] { f.WebBrowser1(k).setFocus(); });
    step([&] { f.Label9.setCaption(rt::str(k)); });
    step([&] { f.Text7.setText(shownAddress(f.WebBrowser1(k).document().url())); });
}

QString shownAddress(const QString& url) {
    const int at = rt::instr(url, QStringLiteral("http"));
    return at > 0 ? rt::mid(url, at) : url;
}

QString slotAddress(Form1& f, int slot) {
    const web::WebBrowser& browser = f.WebBrowser1(slot);
    const web::Document doc = browser.document();
    if (doc.isNull()) rt::raise(rt::ObjectVariableNotSet);
    // Right after a navigation commits the engine has not built the new document's elements yet, so
    // the handle does not read; the browser's address is that document's address then.
    return shownAddress(doc.isValid() ? doc.url() : browser.locationURL());
}

QString tabCaption(const QString& title, const QString& count) { return kFiveBlanks + cutTitle(title, count); }

QString backgroundCaption(const QString& title, const QString& count) { return cutTitle(title, count); }

}  // namespace forms
