#pragma once

#include "app/message_catalogue.h"
#include "platform/services.h"

namespace quilvane {

// Shows one of the program's fixed messages in front of `owner`; returns the button pressed.
inline int ShowMessage(MessageBox& messages, QWidget* owner, const MessageBoxContent& content) {
    const auto text = [](std::string_view view) {
        return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
    };
    return messages.show(owner, text(content.text), text(content.title), content.style);
}

} // namespace quilvane
