#pragma once
// Opening an address in a new tab, as the go command in new-tab mode, the typed search, the link
// open mode 标签打开, the record windows and the TOP list do: Command24 opens the first free slot in
// front (asking the tab cycling question only when every tab is taken, clearing tabs 3 to 10 on Yes),
// and that slot is navigated under the User-Agent rule (useragent.h).
//
// The one open there is. A tab opened behind the others (TabSlots::openInBackground) presses no
// Command24 and needs the tab closing's teardown, so it stays with the tabs.
#include <QString>

class Form1;

namespace forms {

// Presses Command24, then navigates the first free slot to `address`. Returns that slot; 0 when none
// was free, which happens only when every tab was taken and the cycling question was answered No.
// Each step stands alone; nothing is raised.
int openInNewTab(Form1& f, const QString& address);

}  // namespace forms
