#pragma once
// The tab slots of the main window, as every subsystem sees them. Slot 1 is the home slot
// (WebBrowser1(1), never closed); slots 2 to 10 are the tabs, each a label lv(k), a browser
// WebBrowser1(k) and an icon Image1(k). There is no tab object: a tab's state is read from those
// controls each time it is needed.
//
// - Front slot: the caption of Label9, decimal text ("1" = the home slot).
// - Free slot: a tab whose label caption has at most one character (the free-slot marker: the
//   letters given at creation, or "?" after a close). Two characters or more: a title, the slot is taken.
// - Highest loaded slot: the upper bound of WebBrowser1.
// - Shown address: what the address box shows of a document's address.
//
// Functions that read a control raise the runtime error when it is missing, like the controls do.
#include <QString>

class Form1;

namespace forms {

// The front slot as a number (raises type mismatch for a caption that is no number).
int frontSlot(Form1& f);
bool isFree(Form1& f, int k);
// The first free slot from 2 to 10, 0 when none.
int firstFreeSlot(Form1& f);
bool allTaken(Form1& f);

// The looks of a tab label. Each property is one statement: a colour setting that is not a number
// leaves that colour as it was.
void frontLook(Form1& f, int k);
void backLook(Form1& f, int k);

// Gives the focus to the address box; fails while the box is hidden.
void focusAddressBox(Form1& f);

// Brings slot k to the front: the front look of its label, its browser on top and focused (the
// address box first, as a tab switch does), k as the front slot, its shown address in the box. Each
// step stands alone. The look of the slot in front before is left to the caller.
void bringToFront(Form1& f, int k);

// The shown address of a document address: from its first "http" (exact case) to its end, or the
// whole address when it holds none.
QString shownAddress(const QString& url);
// The shown address of the document in slot `slot`; raises when the slot has no browser or no
// document, so the calling statement is skipped.
QString slotAddress(Form1& f, int slot);

// A front tab's caption: five blanks and the title cut to `count` characters followed by "…".
// `count` is the setting 字数 as text; when it is not a number the whole title is used.
QString tabCaption(const QString& title, const QString& count);
// The caption the background-tab title job writes: the same cut without the blanks.
QString backgroundCaption(const QString& title, const QString& count);

}  // namespace forms
