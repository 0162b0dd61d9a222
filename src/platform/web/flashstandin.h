#pragma once
// The stand-in for the Flash objects of pages. No Flash player exists on this platform, so no movie
// plays; in place of each "application/x-shockwave-flash" object a page shows a widget of the
// program's instead: a dark box that names the object's address. It is entered in the window-handle
// table as a player window (class kFlashPlayerClass), directly inside the page window and lying over
// the object, so the program finds it, moves it into another window and back, as it would a player's
// window.
//
// The engine places, clips, shows and hides a plug-in through a widget it owns. That widget (the
// site) stays in the page and draws nothing; the player window is its sibling and follows the site's
// place, size, clipping and visibility for as long as the page window is its parent. Given another
// parent it stays where it was put, whatever the page does, and shows whole (the page's clipping of a
// partly hidden object goes); given back to the page window, it takes the site's place and clipping
// again at once. The site takes the player with it when it goes (the object left
// the page, or the page was closed), wherever the player is then.
//
// Inside its page the player lets the mouse through to the page, so the page sees the pointer over
// the object (its mouse-over, its clicks); anywhere else the player takes the mouse itself.
//
// A window lies over everything its page draws; the page elements that must stay on top of the
// players (the link hint bar at the bottom of every page) are named by a selector given to the hook.
// While such an element is shown, a player inside its page leaves out the element's box, so the
// element is seen there as beside the player; the player looks again after every repaint of its page
// and every move of its object, and is whole again once the element is hidden or gone.
#include "platform/web/pluginhook.h"

namespace web {

// The window class of a player window.
extern const char* const kFlashPlayerClass;  // "MacromediaFlashPlayerActiveX"

// The plug-in hook that makes the stand-ins (give it to setPluginHook before any browser exists).
// `overPlayers` is a selector of the page elements drawn over the players ("" for none).
PluginHook flashStandIns(const QString& overPlayers = QString());

}  // namespace web
