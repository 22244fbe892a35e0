#pragma once

#include <functional>
#include <memory>

namespace quilvane {

struct Module1;
struct Services;
class Form1;

// The program's entry procedure: checks and repairs the stored settings (with at most one
// message), loads them, then creates and shows the main window. When `sessionEnded` says the
// session ended while the message was up, there is no window: nothing is returned.
std::unique_ptr<Form1> Main(
    Module1& module, Services& services,
    const std::function<bool()>& sessionEnded = [] { return false; });

} // namespace quilvane
