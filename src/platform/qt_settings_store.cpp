#include "platform/qt_settings_store.h"

#include <QSettings>

namespace quilvane {

namespace {

constexpr auto kApplication = "Kelvary";
constexpr auto kSection = "Quilvane";

QString KeyPath(std::string_view key) {
    return QString::fromLatin1(kSection) + u'/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// Sets one value and flushes it to disk; the status of the flush.
QSettings::Status WriteAndSync(const QString& keyPath, const QString& text) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kApplication);
    settings.setValue(keyPath, text);
    settings.sync();
    return settings.status();
}

} // namespace

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
    const QString keyPath = KeyPath(key);
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QSettings::Status status = WriteAndSync(keyPath, value);
    // A file that did not parse cleanly (garbage, a broken section header) reports FormatError
    // while it is read during the flush, and that sticky status hides whether the rewrite that
    // follows reached the disk. Qt has rewritten the file in its own format by then if it could,
    // so writing the same value once more reports the real outcome.
    if (status == QSettings::FormatError) {
        status = WriteAndSync(keyPath, value);
    }
    return status == QSettings::NoError;
}

} // namespace quilvane
