#pragma once

#include "platform/services.h"

#include <memory>

namespace quilvane {

class PortalColourPick;
class GrabbingColourPick;

// Picks through the desktop portal where the session has one that can, else by the program's
// own picker on X11 outside a Wayland session (where the X server shows only part of the
// screen), else not at all. The session bus is asked nothing before a pick, or before the
// first probe where the own picker cannot work.
class QtScreenPicker final : public ScreenPicker {
public:
    QtScreenPicker();
    ~QtScreenPicker() override;
    void probe(std::function<void(bool available)> answer) override;
    void pick(QWidget& window, std::function<void(Rgb)> preview,
              std::function<void(std::optional<Rgb>)> done) override;

private:
    std::unique_ptr<PortalColourPick> portal_;
    std::unique_ptr<GrabbingColourPick> grab_;
};

} // namespace quilvane
