#pragma once
// Opening a record's address in a new tab, as the record windows and the TOP list do: Command24
// opens the first free slot in front (asking the tab cycling question when every tab is taken and
// clearing tabs 3 to 10 on Yes), and the slot it opened is navigated under the User-Agent rule.
#include <QString>

class Form1;

namespace records {

// Returns the slot that was opened and navigated; 0 when none was, which happens only when every
// tab was taken and the cycling question was answered No.
int openInNewTab(Form1& f, const QString& address);

}  // namespace records
