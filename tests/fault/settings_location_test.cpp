// Where the store lives on each platform, through the location the platform file builds: on
// Linux the file Kelvary.conf with section [Quilvane]; on Windows the registry key
// HKEY_CURRENT_USER\Software\Kelvary\Quilvane, not the organization-wide key that a missing
// application name gives.
#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quilvane {
namespace {

TEST(SettingsLocation, LinuxKeepsKelvaryConfWithSectionQuilvane) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QtSettingsStore store;
    ASSERT_TRUE(store.write("top", "1200"));

    QFile file(QDir(folder.path()).filePath("Kelvary.conf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "[Quilvane]\ntop=1200\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"Kelvary.conf"});
}

// Qt names the registry key Software\<organization>\<application> the way it names the INI file
// <organization>/<application>.ini, so the INI path of the Windows location spells the key.
TEST(SettingsLocation, WindowsUsesTheKeySoftwareKelvaryQuilvane) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    const SettingsLocation location = SettingsLocationFor(true);
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, location.organization,
                             location.application);

    QString key = QDir(folder.path()).relativeFilePath(settings.fileName());
    key.chop(QStringLiteral(".ini").size());
    key.replace(u'/', u'\\');
    EXPECT_EQ(R"(HKEY_CURRENT_USER\Software\)" + key,
              R"(HKEY_CURRENT_USER\Software\Kelvary\Quilvane)");
    EXPECT_TRUE(location.group.isEmpty()) << "keys sit directly in the key, not in a subkey";
}

} // namespace
} // namespace quilvane
