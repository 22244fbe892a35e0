#include "platform/qt_settings_store.h"

#include <QFileInfo>
#include <QSettings>

namespace quilvane {

SettingsLocation SettingsLocationFor(bool windowsRegistry) {
    if (windowsRegistry) {
        return {.organization = "Kelvary", .application = "Quilvane", .group = ""};
    }
    return {.organization = "Kelvary", .application = "", .group = "Quilvane"};
}

namespace {

#ifdef Q_OS_WIN
constexpr bool kWindowsRegistry = true;
#else
constexpr bool kWindowsRegistry = false;
#endif

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KeyPath(std::string_view key) {
    static const QString group = SettingsLocationFor(kWindowsRegistry).group;
    return group.isEmpty() ? FromUtf8(key) : group + u'/' + FromUtf8(key);
}

// The store of the current user in native format, at this platform's location.
class NativeSettings : public QSettings {
public:
    NativeSettings() : NativeSettings(SettingsLocationFor(kWindowsRegistry)) {}

private:
    explicit NativeSettings(const SettingsLocation& location)
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, location.organization,
                    location.application) {}
};

// Sets the values and flushes them to disk together; the status of the flush.
QSettings::Status WriteAndSync(std::span<const StoredValue> values) {
    NativeSettings settings;
    for (const StoredValue& value : values) {
        settings.setValue(KeyPath(value.key), FromUtf8(value.text));
    }
    settings.sync();
    return settings.status();
}

// A value holding an unquoted comma comes back as a list: not a text the program wrote.
std::optional<std::string> TextOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

} // namespace

QtSettingsStore::FileStamp QtSettingsStore::StampOf(const QString& file) {
    const QFileInfo info(file);
    return {info.size(), info.lastModified()};
}

QtSettingsStore::QtSettingsStore()
    : parsedFile_(QSettings::NativeFormat, QSettings::UserScope,
                  SettingsLocationFor(kWindowsRegistry).organization,
                  SettingsLocationFor(kWindowsRegistry).application) {}

std::optional<std::string> QtSettingsStore::read(std::string_view key) {
    // The kept object answers as a fresh one would: syncing re-reads a file another program
    // changed and sets AccessError when it can no longer be opened. It is synced only when the
    // file on disk is not the one last seen, so a run of reads costs one look at the file.
    if (parsedFile_.status() != QSettings::AccessError) {
        const FileStamp stamp = StampOf(parsedFile_.fileName());
        if (stamp != lastSeen_) {
            parsedFile_.sync();
            lastSeen_ = stamp;
        }
    }
    if (parsedFile_.status() != QSettings::AccessError) {
        return TextOf(parsedFile_.value(KeyPath(key)));
    }
    // The status is sticky: once it is set, only a fresh object tells whether this read succeeded.
    NativeSettings settings;
    const QVariant value = settings.value(KeyPath(key));
    if (settings.status() == QSettings::AccessError) {
        return std::nullopt;
    }
    return TextOf(value);
}

bool QtSettingsStore::write(std::string_view key, std::string_view text) {
    const StoredValue value{key, text};
    return writeAll({&value, 1});
}

bool QtSettingsStore::writeAll(std::span<const StoredValue> values) {
    QSettings::Status status = WriteAndSync(values);
    // A file that did not parse cleanly (garbage, a broken section header) reports FormatError
    // while it is read during the flush, and that sticky status hides whether the rewrite that
    // follows reached the disk. Qt has rewritten the file in its own format by then if it could,
    // so writing the same values once more reports the real outcome.
    if (status == QSettings::FormatError) {
        status = WriteAndSync(values);
    }
    return status == QSettings::NoError;
}

} // namespace quilvane
