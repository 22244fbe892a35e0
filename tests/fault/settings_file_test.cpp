// The real settings file, Kelvary.conf with the section [Quilvane]: whatever a damaged one holds,
// the repairs reach the disk and are reported as written, other programs' sections outlive the
// repairs and the save, and a save that can't reach the disk says so.
#include "app/save_settings.h"
#include "app/startup_check.h"
#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
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

// The file as it stands on disk, read without QSettings, whose in-process cache would show values
// that never reached the file: the [Quilvane] section's keys, and other sections' as "section/key".
Section OnDisk(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    Section section;
    QByteArray name;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith('[')) {
            const QByteArray header = line.mid(1).split(']').front(); // "]" may be missing
            name = header == "Quilvane" ? "" : header + '/';
        } else if (const qsizetype equals = line.indexOf('='); equals > 0) {
            section[(name + line.left(equals)).toStdString()] = line.mid(equals + 1).toStdString();
        }
    }
    return section;
}

struct DamagedFile {
    const char* name;
    std::string content;
    StartupMessage message;
    Section expected; // values the file must hold after the check
};
// The row's name in ctest's listing, instead of the object's bytes.
void PrintTo(const DamagedFile& row, std::ostream* out) {
    *out << row.name;
}

class SettingsFileFault : public testing::TestWithParam<DamagedFile> {};

// The repairs reach the disk; the save at close reaches it too, changing its value alone and
// leaving nothing else in the folder; a save that can no longer reach the disk (the store keeps
// the file it parsed at start) says so.
TEST_P(SettingsFileFault, RepairsAndSaveReachTheDisk) {
    const DamagedFile& damaged = GetParam();
    const QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    const QString path = folder.filePath("Kelvary.conf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged.content.data(), static_cast<qint64>(damaged.content.size()));
    file.close();
    QtSettingsStore store;
    Module1 module;
    const StartupCheckResult first = RunStartupCheck(store, module);
    EXPECT_EQ(first.message, damaged.message);
    EXPECT_TRUE(first.repairsWritten);
    Section onDisk = OnDisk(path);
    for (const auto& [key, value] : damaged.expected) {
        EXPECT_EQ(onDisk.contains(key) ? onDisk.at(key) : "(missing)", value) << key;
    }

    module.reg_Check5 = true; // the save changes that value alone
    EXPECT_TRUE(SaveSettings(store, module));
    onDisk["Check5"] = "True";
    EXPECT_EQ(OnDisk(path), onDisk);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"Kelvary.conf"});
    ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path));
    EXPECT_FALSE(SaveSettings(store, module));
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
                                {{"top", "0"}, {"left", "0"}, {"Last_Color", "040216040"}}},
                    // Another program's section outlives the repairs and the save.
                    DamagedFile{"shared_with_another_program",
                                "[Elsewhere]\nname=value, with a comma\npath=C:\\\\dir\n\n"
                                "[Quilvane]\nver=2.8\nCheck2=yes\n",
                                StartupMessage::RegistryRestored,
                                {{"Check2", "True"},
                                 {"Elsewhere/name", "value, with a comma"},
                                 {"Elsewhere/path", "C:\\\\dir"}}}),
    [](const testing::TestParamInfo<DamagedFile>& info) { return std::string(info.param.name); });

// Reads see what another program wrote after the store parsed the file, fail while the file can't
// be opened, and read again once it can.
TEST(SettingsFileReads, FollowTheFileOnDisk) {
    const QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    const QString path = folder.filePath("Kelvary.conf");
    const auto writeFile = [&path](const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    };
    writeFile("[Quilvane]\nfont=Serif\n");
    QtSettingsStore store;
    EXPECT_EQ(store.read("font"), "Serif");
    writeFile("[Quilvane]\nfont=Sans-serif\n");
    EXPECT_EQ(store.read("font"), "Sans-serif");
    ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path));
    EXPECT_EQ(store.read("font"), std::nullopt);
    ASSERT_TRUE(QDir().rmdir(path));
    writeFile("[Quilvane]\nfont=Monospace\n");
    EXPECT_EQ(store.read("font"), "Monospace");
}

} // namespace
} // namespace quilvane
