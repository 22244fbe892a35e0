#pragma once

namespace quilvane {

// A Wayland client can neither stay on top nor place its own window, so the always-on-top
// option and the placement commands would do nothing there. When XWayland is at hand and the
// user has not chosen a Qt platform, ask Qt for xcb. Call before the application object exists.
void PreferXWaylandForWindowPlacement();

} // namespace quilvane
