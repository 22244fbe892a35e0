// The start-up check over the real settings file when that file is damaged: whatever it holds,
// the repairs reach the disk and are reported as written, and a second check finds nothing left
// to repair.
#include "app/save_settings.h"
#include "app/startup_check.h"
#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <random>
#include <string>

namespace quilvane {
namespace {

using Section = std::map<std::string, std::string>;

const std::string kValidStore = "top=1200\nleft=3000\nCheck1=True\nCheck2=True\nCheck3=True\n"
                                "Check4=False\nCheck5=False\nver=2.8\nfont=Serif\n"
                                "Last_Color=040216040\nfav1=000000000\nfav2=255000000\n"
                                "fav3=000255000\nfav4=000000255\nfav5=255255000\n"
                                "fav6=000255255\nfav7=255000255\nfav8=255255255\n"
                                "fav9=128060255\nfav10=040216040\n";

// Random bytes with NULs and a broken section header among them.
std::string Garbage(unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(4096, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator());
    }
    return bytes + std::string(4, '\0') + "\n[Quil\n=\n\\\n";
}

// The [Quilvane] section as it stands on disk, read without QSettings, whose in-process cache
// would show values that never reached the file.
Section SectionOnDisk(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    Section section;
    bool inSection = false;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith('[')) {
            inSection = line == "[Quilvane]";
        } else if (const qsizetype equals = line.indexOf('='); inSection && equals > 0) {
            section[line.left(equals).toStdString()] = line.mid(equals + 1).toStdString();
        }
    }
    return section;
}

struct DamagedFile {
    const char* name;
    std::string content;
    StartupMessage message;
    Section expected; // values the section must hold on disk after the check
};

void PrintTo(const DamagedFile& damaged, std::ostream* out) {
    *out << damaged.name;
}

class SettingsFileFault : public testing::TestWithParam<DamagedFile> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    QString path() const { return QDir(folder_.path()).filePath("Kelvary.conf"); }

private:
    QTemporaryDir folder_;
};

TEST_P(SettingsFileFault, RepairReachesTheDiskAndHoldsOnTheNextStart) {
    const DamagedFile& damaged = GetParam();
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged.content.data(), static_cast<qint64>(damaged.content.size()));
    }
    QtSettingsStore store;
    Module1 module;
    const StartupCheckResult first = RunStartupCheck(store, module);
    EXPECT_EQ(first.message, damaged.message);
    EXPECT_TRUE(first.repairsWritten);

    const Section onDisk = SectionOnDisk(path());
    for (const auto& [key, value] : damaged.expected) {
        EXPECT_EQ(onDisk.contains(key) ? onDisk.at(key) : "(missing)", value) << key;
    }

    Module1 again;
    const StartupCheckResult second = RunStartupCheck(store, again);
    EXPECT_EQ(second.message, StartupMessage::None);
    EXPECT_TRUE(second.repairsWritten);
    EXPECT_EQ(again.reg_Last_Color, module.reg_Last_Color);
}

INSTANTIATE_TEST_SUITE_P(
    , SettingsFileFault,
    testing::Values(DamagedFile{"garbage_seed_1",
                                Garbage(1),
                                StartupMessage::RegistryWritten,
                                {{"ver", "2.8"}, {"top", "0"}, {"Last_Color", "128128128"}}},
                    DamagedFile{"garbage_seed_2",
                                Garbage(2),
                                StartupMessage::RegistryWritten,
                                {{"ver", "2.8"}, {"fav10", "040216040"}}},
                    DamagedFile{"garbage_seed_3",
                                Garbage(3),
                                StartupMessage::RegistryWritten,
                                {{"ver", "2.8"}, {"Check2", "True"}}},
                    DamagedFile{
                        "unterminated_header_some_keys",
                        "[Quilvane\ntop=1200\nleft=3000\nCheck1=True\n",
                        StartupMessage::RegistryWritten,
                        {{"top", "1200"}, {"left", "3000"}, {"Check1", "True"}, {"ver", "2.8"}}},
                    // Nothing to repair: the keys under the broken header still read.
                    DamagedFile{"unterminated_header_valid_store",
                                "[Quilvane\n" + kValidStore,
                                StartupMessage::None,
                                {}},
                    DamagedFile{"garbage_before_a_valid_section_missing_fav3",
                                Garbage(4) + "\n[Quilvane]\n" +
                                    kValidStore.substr(0, kValidStore.find("fav3")) +
                                    kValidStore.substr(kValidStore.find("fav4")),
                                StartupMessage::RegistryRestored,
                                {{"top", "1200"}, {"font", "Serif"}, {"fav3", "000255000"}}},
                    DamagedFile{"nul_bytes_inside_a_value",
                                "[Quilvane]\n" + kValidStore.substr(0, 5) + std::string("\0\0", 2) +
                                    kValidStore.substr(5),
                                StartupMessage::RegistryRestored,
                                {{"top", "0"}, {"left", "0"}, {"Last_Color", "040216040"}}}),
    [](const testing::TestParamInfo<DamagedFile>& info) { return std::string(info.param.name); });

class SharedSettingsFile : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Elsewhere]\nname=value, with a comma\npath=C:\\\\dir\n\n"
                   "[Quilvane]\nver=2.8\nCheck2=yes\n");
    }
    QString path() const { return QDir(folder_.path()).filePath("Kelvary.conf"); }

private:
    QTemporaryDir folder_;
};

// The file may hold another program's settings: they outlive the repairs and the save at close.
TEST_F(SharedSettingsFile, OtherSectionsOutliveRepairsAndSave) {
    QtSettingsStore store;
    Module1 module;
    EXPECT_TRUE(RunStartupCheck(store, module).repairsWritten);
    module.reg_Last_Color = "040216040";
    EXPECT_TRUE(SaveSettings(store, module));

    const Section onDisk = SectionOnDisk(path());
    EXPECT_EQ(onDisk.at("Check2"), "True");
    EXPECT_EQ(onDisk.at("Last_Color"), "040216040");
    const QSettings other(path(), QSettings::IniFormat);
    EXPECT_EQ(other.value("Elsewhere/name").toStringList(), QStringList({"value", "with a comma"}));
    EXPECT_EQ(other.value("Elsewhere/path").toString(), "C:\\dir");
}

// The store keeps the file it parsed at start; a save that can no longer reach the disk must
// still report that it failed.
TEST_F(SharedSettingsFile, SaveThatCannotReachTheDiskFails) {
    QtSettingsStore store;
    Module1 module;
    RunStartupCheck(store, module);
    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir().mkdir(path()));
    EXPECT_FALSE(SaveSettings(store, module));
}

} // namespace
} // namespace quilvane
