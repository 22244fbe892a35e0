#pragma once

#include "platform/services.h"

#include <QObject>
#include <memory>

namespace quilvane {

// Switches the input method on through what the platform offers: on Windows the window's input
// context; on Linux the framework Qt itself talks to, fcitx5 or IBus as QT_IM_MODULE names it.
// Anywhere else nothing is touched. No call makes the window wait.
class QtInputMethod final : public QObject, public InputMethod {
public:
    // The platform's way of switching on the input method of the box that took the focus.
    class Framework {
    public:
        virtual ~Framework() = default;
        virtual void SwitchOn(QWidget& box) = 0;
    };

    QtInputMethod();
    ~QtInputMethod() override;
    void setMode(QWidget& box, Mode mode) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Framework> framework_; // none where nothing can be switched on
};

} // namespace quilvane
