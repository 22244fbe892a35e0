#pragma once

namespace quilvane {

// Keeps the program's clipboard text on the clipboard after the program ends, where nothing
// else would: on X11 without a clipboard manager (Qt hands the text to one where it runs) and
// in a native Wayland session. A small keeper program serves that text alone until another
// program takes the clipboard or the session ends: xclip on X11, wl-copy on Wayland. Without
// it the text ends with the program. Call once, as the program ends.
void KeepClipboardAfterExit();

} // namespace quilvane
