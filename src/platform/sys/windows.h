#pragma once
// Window handles and the window functions. A handle is a small integer in our own table that names a
// widget together with a window class name; handles of widgets that went away read as absent. The
// window functions work on that table: reparent a window, let a caption-less window be minimised,
// move a window by the pointer or hand its resize to the window system, keep a window above all
// others, and find a window of a given class among the windows inside another.
#include <QRect>
#include <QString>

#include <vector>

class QWidget;

namespace sys {

// Window class of the page window inside a browser control.
extern const char* const kPageWindowClass;  // "Internet Explorer_Server"

// Enters a widget in the table under a class name (again for a widget already entered: the class name
// is updated and the handle stays). Returns its handle (never 0).
int registerWindow(QWidget* widget, const QString& className);
// The widget of a handle; nullptr for 0, an unknown handle or a widget that went away.
QWidget* windowOf(int handle);
// The handle of a widget, entering it under its Qt class name when it is not in the table yet;
// 0 for nullptr.
int handleOf(QWidget* widget);
QString classNameOf(int handle);
// The first window of `className` inside the window `parent` (searched in depth, children that lie on
// top first); 0 when there is none or `parent` is not a window.
int findChildWindow(int parent, const QString& className);

// The windows of `className` lying directly inside the window `parent` (not inside its children), the
// one lying on top first; empty when there is none or `parent` is not a window.
std::vector<int> childWindows(int parent, const QString& className);
// The window that holds `child` directly, when that window is in the table; 0 otherwise.
int parentWindow(int child);
// The place and size of a window inside its parent window, in pixels; an empty rectangle for an
// unknown handle.
QRect windowRect(int window);

// Gives `child` the new parent `parent` (0: the desktop); the child keeps its offset and its
// visibility. Unknown handles do nothing.
void setParentWindow(int child, int parent);
// Lets a caption-less window be minimised (the window keeps no frame and no caption bar).
void makeMinimizable(int window);
// Message 161 with hit-test code 2 starts a move of the window by the pointer, as a press on a
// caption bar would: the window follows the pointer until the left button goes up, moving by exactly
// what the pointer moved since the left press in that window, wherever the window system had put it
// before; the release then reaches the window as any release does. Only a left press in that window
// that is still held starts it. Codes 10 to 17 hand a resize from the edge or corner (left, right,
// top, top-left, top-right, bottom, bottom-left, bottom-right) to the window system. The mouse capture
// is released first. Other messages do nothing.
void sendWindowMessage(int window, int message, int wParam, int lParam);
// Z order and place: insertAfter -1 keeps the window above all others, -2 ends that, 0 raises it,
// 1 lowers it; flags 1 keep the size, 2 keep the place, 0x40 show, 0x80 hide. Sizes in pixels.
void setWindowPos(int window, int insertAfter, int x, int y, int cx, int cy, int flags);
// The page window of the browser lying on top among the browsers placed directly on `mainWindow`
// (a browser inside a container of the window does not count), or 0.
int findPageWindow(QWidget* mainWindow);

// Moves and resizes asked for by message 161, in order (for tests: nothing else records them).
struct SystemMoveRequest {
    int window;
    int hitTest;  // 2 move; 10..17 resize edge
    bool started; // the window follows the pointer, or the window system took the resize
};
std::vector<SystemMoveRequest>& systemMoveRequests();

}  // namespace sys
