#pragma once

#include "app/message_catalogue.h"
#include "platform/services.h"

#include <QWidget>

namespace quilvane {

// Shows one of the program's fixed messages in front of `owner`, or of the nearest window above
// it that is shown: a box owned by a window still loading would open behind the window the user
// sees. Returns the button pressed.
inline int ShowMessage(MessageBox& messages, QWidget* owner, const MessageBoxContent& content) {
    while (owner != nullptr && !owner->isVisible()) {
        owner = owner->parentWidget();
    }
    const auto text = [](std::string_view view) {
        return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
    };
    return messages.show(owner, text(content.text), text(content.title), content.style);
}

} // namespace quilvane
