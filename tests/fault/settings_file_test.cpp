// The real settings file: where it lives; when it is damaged, whatever it holds, the repairs
// reach the disk and are reported as written, and a second check finds nothing left to repair;
// other programs' sections outlive the repairs and the save, and a save that can't reach the
// disk says so.
#include "app/save_settings.h"
#include "app/startup_check.h"
#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
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

// The store pointed at a fresh folder, its file holding `content`.
class SettingsFile : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    QString path() const { return QDir(folder_.path()).filePath("Kelvary.conf"); }
    void write(const std::string& content) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.data(), static_cast<qint64>(content.size()));
    }

private:
    QTemporaryDir folder_;
};

class SettingsFileFault : public SettingsFile, public testing::WithParamInterface<DamagedFile> {};

TEST_P(SettingsFileFault, RepairReachesTheDiskAndHoldsOnTheNextStart) {
    const DamagedFile& damaged = GetParam();
    write(damaged.content);
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
    testing::Values(DamagedFile{"garbage",
                                Garbage(1),
                                StartupMessage::RegistryWritten,
                                {{"ver", "2.8"}, {"top", "0"}, {"fav10", "040216040"}}},
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

const std::string kSharedFile =
    "[Elsewhere]\nname=value, with a comma\npath=C:\\\\dir\n\n[Quilvane]\nver=2.8\nCheck2=yes\n";

// The store lives in the file Kelvary.conf, section [Quilvane], and nothing else in the folder.
TEST_F(SettingsFile, LinuxKeepsKelvaryConfWithSectionQuilvane) {
    QtSettingsStore store;
    ASSERT_TRUE(store.write("top", "1200"));
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "[Quilvane]\ntop=1200\n");
    EXPECT_EQ(QFileInfo(path()).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"Kelvary.conf"});
}

// The file may hold another program's settings: they outlive the repairs and the save at close.
TEST_F(SettingsFile, OtherSectionsOutliveRepairsAndSave) {
    write(kSharedFile);
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
TEST_F(SettingsFile, SaveThatCannotReachTheDiskFails) {
    write(kSharedFile);
    QtSettingsStore store;
    Module1 module;
    RunStartupCheck(store, module);
    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir().mkdir(path()));
    EXPECT_FALSE(SaveSettings(store, module));
}

} // namespace
} // namespace quilvane
