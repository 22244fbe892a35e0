#pragma once

#include "app/settings_store.h"

#include <QSettings>
#include <QString>

namespace quilvane {

// Where the settings live: the QSettings organization and application names, and the group the
// keys sit in. Application "Kelvary", section "Quilvane" means the registry key
// HKEY_CURRENT_USER\Software\Kelvary\Quilvane on Windows (organization Kelvary, application
// Quilvane, keys directly in it) and the file Kelvary.conf with section [Quilvane] in the user's
// configuration folder elsewhere (organization Kelvary, no application, group Quilvane).
struct SettingsLocation {
    QString organization;
    QString application;
    QString group;
};
SettingsLocation SettingsLocationFor(bool windowsRegistry);

// The settings store as QSettings in native format, user scope, at this platform's location:
// the registry on Windows, $XDG_CONFIG_HOME/Kelvary.conf with section [Quilvane] on Linux.
//
// The file may be shared with other programs and hold large sections of theirs. Qt parses a
// settings file once and shares the parsed contents between all QSettings objects of the same
// file, but only while one of them is alive (its cache of closed files drops large ones). This
// store keeps one object alive for its lifetime, so that each read and write can still use a
// fresh object of its own, whose status tells the outcome of that call alone, without parsing
// the file again; a file changed on disk by another program is still re-read.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();

    std::optional<std::string> read(std::string_view key) override;
    bool write(std::string_view key, std::string_view text) override;
    bool writeAll(std::span<const StoredValue> values) override;

private:
    QSettings parsedFile_;
};

} // namespace quilvane
