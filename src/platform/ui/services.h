#pragma once
// Everything that waits on a person or the outside world goes through one service object, so tests
// run without a display and see what was shown. The program installs the real services; a test
// installs scripted ones (tests/support).
#include <QDateTime>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace ui {

// Message box styles and answers, with the numbers the program's code uses.
enum MsgStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgAnswer : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// One item of a popup menu as it stands when the menu pops up.
struct PopupItem {
    int id = -1;        // the number by which the chosen item is answered
    QString name;       // design name of the item (of its array for array items)
    int index = -1;     // index in its item array; -1 for a single item
    QString caption;    // "-" is a separator; "&" marks the access key
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<PopupItem> items;  // the items of a submenu
    bool isSeparator() const { return caption == QLatin1String("-"); }
};

// A popup menu: the design name of the menu and its items in order.
struct PopupRequest {
    QString name;
    std::vector<PopupItem> items;
};

// The default title of message and input boxes: the application title.
QString defaultTitle();

class Services {
public:
    virtual ~Services() = default;

    // A message box: buttons and icon from `style`; an empty title shows the default title.
    virtual int msgBox(const QString& prompt, int style, const QString& title) = 0;
    // An input box at (x, y) twips on the screen; "" when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                             double xTwips, double yTwips) = 0;
    // A file chooser to open one file; "" when cancelled. `filter` is a Qt name filter.
    virtual QString openFileName(const QString& title, const QString& filter, const QString& folder) = 0;
    // Save As, showing the folder `folder` and offering the name `suggestedName`: the path chosen;
    // "" when cancelled.
    virtual QString saveFileName(const QString& title, const QString& suggestedName, const QString& folder) = 0;

    // Shows a popup menu at the cursor and waits; the id of the chosen item, or -1 for none.
    virtual int popupMenu(const PopupRequest& menu) = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;

    // Screen and work area of the primary screen, in twips.
    virtual QRect screenTwips() = 0;
    virtual QRect workAreaTwips() = 0;
    // The work areas of every screen there is, the primary one first, in twips.
    virtual std::vector<QRect> workAreasTwips() { return {workAreaTwips()}; }
    virtual QStringList fontFamilies() = 0;

    virtual QDateTime now() = 0;
    // Ends the process (recorded in tests, where the test goes on).
    virtual void exitProcess(int code) = 0;
};

// A window rectangle (twips) fitted into the screens' work areas: into the work area it overlaps most,
// or the primary one when it overlaps none (the screen it was on is gone, or its values are wrapped or
// huge). The size is cut to that work area but never below `minWidth` x `minHeight`, then the window
// is moved to lie inside it (its top-left corner inside when it is larger). A rectangle that lies inside
// a work area and is not below the minimum comes back unchanged.
QRectF fitIntoWorkArea(const QRectF& twips, double minWidth, double minHeight);

// An input box where the program's input boxes stand: its left at 1/2.6 of the screen's width, its top
// at half the screen's height; "" when cancelled.
QString askInInputBox(const QString& prompt, const QString& title, const QString& defaultText);

// A refusal: the message alone in a message box with the OK button, the critical icon and the default
// title. A box that fails to show is passed over.
void refuse(const QString& message);

Services& services();
// Installs the services (not owned); nullptr restores the real ones.
void setServices(Services* services);

}  // namespace ui
