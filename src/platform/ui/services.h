#pragma once
// Everything that waits on a person or the outside world goes through one service object, so tests
// run without a display and see what was shown. The program installs the real services; a test
// installs scripted ones (tests/support).
#include <QDateTime>
#include <QRect>
#include <QString>
#include <QStringList>

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
    // Save As: the path chosen for `suggestedName`; "" when cancelled.
    virtual QString saveFileName(const QString& title, const QString& suggestedName) = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;

    // Screen and work area of the primary screen, in twips.
    virtual QRect screenTwips() = 0;
    virtual QRect workAreaTwips() = 0;
    virtual QStringList fontFamilies() = 0;

    virtual QDateTime now() = 0;
    // Ends the process (recorded in tests, where the test goes on).
    virtual void exitProcess(int code) = 0;
};

Services& services();
// Installs the services (not owned); nullptr restores the real ones.
void setServices(Services* services);

}  // namespace ui
