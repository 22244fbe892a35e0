#include "platform/qt_settings_store.h"

namespace quilvane {

namespace {

constexpr auto kApplication = "Kelvary";
constexpr auto kSection = "Quilvane";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KeyPath(std::string_view key) {
    return QString::fromLatin1(kSection) + u'/' + FromUtf8(key);
}

// Sets the values and flushes them to disk together; the status of the flush.
QSettings::Status WriteAndSync(std::span<const StoredValue> values) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kApplication);
    for (const StoredValue& value : values) {
        settings.setValue(KeyPath(value.key), FromUtf8(value.text));
    }
    settings.sync();
    return settings.status();
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : parsedFile_(QSettings::NativeFormat, QSettings::UserScope, kApplication) {}

// Each call uses a fresh QSettings object: its status is sticky, so only a fresh object tells
// whether this particular read or write succeeded.
std::optional<std::string> QtSettingsStore::read(std::string_view key) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kApplication);
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
