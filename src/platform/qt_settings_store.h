#pragma once

#include "platform/settings_store.h"

namespace quilvane {

// The settings store as QSettings in native format, user scope: the registry on Windows,
// $XDG_CONFIG_HOME/Kelvary.conf with section [Quilvane] on Linux.
class QtSettingsStore final : public SettingsStore {
public:
    std::optional<std::string> read(std::string_view key) override;
    bool write(std::string_view key, std::string_view text) override;
};

} // namespace quilvane
