#pragma once

namespace quilvane {

// Whether the desktop session is a Wayland one, whichever platform Qt runs on.
bool WaylandSession();

// A Wayland client can neither stay on top nor place its own window, so the always-on-top
// option and the placement commands would do nothing there. When XWayland is at hand and the
// user has not chosen a Qt platform, ask Qt for xcb, and for Wayland should the xcb plugin be
// missing. Call before the application object exists; returns whether it chose.
bool PreferXWaylandForWindowPlacement();

// Takes that choice back out of the environment once the application object exists, so that
// the programs started from here (the browser showing the help page) choose for themselves.
void ForgetPlatformChoice();

// False on a native Wayland desktop, which never tells a client where its window stands (Qt
// then reports the frame's offset as the position). Needs the application object.
bool WindowPositionsKnown();

} // namespace quilvane
