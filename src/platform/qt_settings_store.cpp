#include "platform/qt_settings_store.h"

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
    const QString group = SettingsLocationFor(kWindowsRegistry).group;
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

} // namespace

QtSettingsStore::QtSettingsStore()
    : parsedFile_(QSettings::NativeFormat, QSettings::UserScope,
                  SettingsLocationFor(kWindowsRegistry).organization,
                  SettingsLocationFor(kWindowsRegistry).application) {}

// Each call uses a fresh QSettings object: its status is sticky, so only a fresh object tells
// whether this particular read or write succeeded.
std::optional<std::string> QtSettingsStore::read(std::string_view key) {
    NativeSettings settings;
    const QVariant value = settings.value(KeyPath(key));
    if (settings.status() == QSettings::AccessError) {
        return std::nullopt;
    }
    // A value holding an unquoted comma comes back as a list: not a text the program wrote.
    if (value.typeId() == QMetaType::QStringList) {
        return std::nullopt;
    }
    return value.toString().toStdString();
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
