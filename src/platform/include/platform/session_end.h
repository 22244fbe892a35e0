#pragma once

#include <functional>

class QObject;

namespace quilvane {

// Runs `endSession` on the user-interface thread when the system asks the program to end:
// SIGTERM (log-out, shut-down), SIGHUP (its terminal closing) or SIGINT (Ctrl+C in its
// terminal). A signal the program was started with ignored (nohup, a background job) stays
// ignored. The watch lives as long as `context`; call once.
void WatchSessionEndSignals(QObject& context, std::function<void()> endSession);

} // namespace quilvane
