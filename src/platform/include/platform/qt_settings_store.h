#pragma once

#include "app/settings_store.h"

#include <QDateTime>
#include <QSettings>
#include <QString>

#include <optional>

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
// store keeps one object alive for its lifetime and reads through it, syncing it when the file on
// disk changed, so that another program's change is still seen; each write uses a fresh object,
// whose status tells the outcome of that write alone, without parsing the file again.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();

    std::optional<std::string> read(std::string_view key) override;
    bool write(std::string_view key, std::string_view text) override;
    bool writeAll(std::span<const StoredValue> values) override;

private:
    // What the file on disk looked like when the kept object was last synced.
    struct FileStamp {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp StampOf(const QString& file);

    QSettings parsedFile_;
    std::optional<FileStamp> lastSeen_; // none yet: the first read syncs
};

} // namespace quilvane
