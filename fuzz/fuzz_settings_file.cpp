// The real settings-file path: the input is written as the settings file, which the Qt-backed
// store then takes through the start-up check and the save at close. Whatever the bytes, a
// second check writes nothing, the save reaches the disk as written, every key of the program's
// section on disk then converts, and the keys and values of every other section (the
// file may be shared with other programs) read the same before and after, or as they read after
// Qt's own rewrite of the file.
#include "app/save_settings.h"
#include "app/startup_check.h"
#include "app/stored_values.h"
#include "fuzz_support.h"
#include "platform/qt_settings_store.h"

#include <QByteArrayView>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>
#include <variant>

using namespace quilvane;
using quilvane::fuzz::Require;

namespace {

constexpr auto kSectionPrefix = "Quilvane/";

// The private folder of this process; each input gets a new subfolder, since Qt keeps parsed
// settings files by name and would not notice a rewrite of the same size within its clock tick.
std::filesystem::path& Folder() {
    static std::filesystem::path folder;
    return folder;
}

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
}

// Counts writes, so that a check can be shown to write nothing.
class CountingStore final : public SettingsStore {
public:
    explicit CountingStore(SettingsStore& inner) : inner_(inner) {}
    std::optional<std::string> read(std::string_view key) override { return inner_.read(key); }
    bool write(std::string_view key, std::string_view text) override {
        ++writes;
        return inner_.write(key, text);
    }
    bool writeAll(std::span<const StoredValue> values) override {
        writes += static_cast<int>(values.size());
        return inner_.writeAll(values);
    }
    int writes = 0;

private:
    SettingsStore& inner_;
};

// A key name that Qt reads back under the same name. Damaged files can yield names with an
// empty part ("a//b", "/b", "a/", ""), which Qt lists but looks up under another, normalised
// name; no program using QSettings can have written them, and none can read them by name.
// Qt's rewrite may turn such an entry into a readable key, so only what read before is kept
// to its value.
bool ReadableByName(const QString& key) {
    return !key.isEmpty() && !key.startsWith(u'/') && !key.endsWith(u'/') &&
           !key.contains(QLatin1String("//"));
}

void WriteFile(const QString& path, QByteArrayView bytes) {
    QFile out(path);
    Require(out.open(QIODevice::WriteOnly) && out.write(bytes.data(), bytes.size()) == bytes.size(),
            "a file can be written");
}

// Every readable key of the file as it stands, parsed afresh under a second name (a hard link) that
// Qt has not seen before. Qt saves a settings file by replacing it, so the link keeps what was
// read.
std::map<QString, QVariant> KeysOnDisk(const QString& file, const QString& snapshot) {
    std::error_code error;
    std::filesystem::create_hard_link(file.toStdString(), snapshot.toStdString(), error);
    Require(!error, "the settings file can be linked");
    const QSettings settings(snapshot, QSettings::IniFormat);
    std::map<QString, QVariant> keys;
    for (const QString& key : settings.allKeys()) {
        if (ReadableByName(key)) {
            keys.emplace(key, settings.value(key));
        }
    }
    return keys;
}

std::map<QString, QVariant> OtherSections(std::map<QString, QVariant> keys) {
    std::erase_if(keys, [](const auto& entry) { return entry.first.startsWith(kSectionPrefix); });
    return keys;
}

// The same value: equal, or for a type without equality (a picture) the same bytes when streamed.
bool Same(const QVariant& a, const QVariant& b) {
    const auto bytes = [](const QVariant& value) {
        QByteArray streamed;
        QDataStream stream(&streamed, QIODevice::WriteOnly);
        stream << value;
        return streamed;
    };
    return a == b || (a.typeId() == b.typeId() && bytes(a) == bytes(b));
}

// Every readable key of the file `original` after Qt itself rewrites it, as it does for any
// program that changes one value: it keeps one entry of a key written twice, and a damaged typed
// value ("@Variant(...)") or a text with control characters need not come back as it read.
std::map<QString, QVariant> RewrittenByQt(const QDir& dir, QByteArrayView original) {
    const QString file = dir.filePath(QStringLiteral("rewritten.conf"));
    WriteFile(file, original);
    QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("Quilvane/rewritten"), 1);
    return KeysOnDisk(file, dir.filePath(QStringLiteral("rewritten-read.conf")));
}

// Every key of the program's section converts as the program reads it (a favourite: is there),
// read from one parse of the file rather than key by key through the store.
void RequireSectionConverts(const std::map<QString, QVariant>& keys) {
    const auto text = [&keys](std::string_view key) {
        const auto found = keys.find(kSectionPrefix + QString::fromUtf8(key.data(), key.size()));
        Require(found != keys.end() && found->second.typeId() != QMetaType::QStringList,
                "every key of the section reads as a text after the save");
        return found->second.toString().toStdString();
    };
    for (const SettingKey& key : kSettingKeys) {
        const std::string stored = text(key.name);
        const bool converts = std::visit(
            [&stored](const auto& variable) {
                if constexpr (std::is_same_v<std::decay_t<decltype(variable)>, std::monostate>) {
                    return !stored.empty();
                } else {
                    return variable.parse(stored).has_value();
                }
            },
            key.variable);
        Require(converts, "every key of the section converts");
    }
    Require(ParseSingle(text(kVerKey.name)) == kCurrentVersion, "the version is current");
}

// Qt's warnings about damaged files would flood the fuzzer's output.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// A memory-backed folder where there is one: every save syncs the file to disk.
std::filesystem::path ScratchParent() {
    std::error_code error;
    return std::filesystem::is_directory("/dev/shm", error)
               ? std::filesystem::path("/dev/shm")
               : std::filesystem::temp_directory_path();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(Quiet);
    // The program reads its settings with its application object up, and a file may hold typed
    // values of the GUI's types (a picture), which Qt builds only with one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // File times are only compared here: a fixed zone spares the C library a look at its zone
    // file each time Qt converts one.
    qputenv("TZ", "UTC");
    static int argc = 1;
    static char name[] = "fuzz_settings_file";
    static char* argv[] = {name, nullptr};
    static const QGuiApplication application(argc, argv);
    std::string folder = (ScratchParent() / "quilvane-fuzz.XXXXXX").string();
    Require(mkdtemp(folder.data()) != nullptr, "a private folder can be made");
    Folder() = folder;
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static unsigned long run = 0;
    const std::filesystem::path runFolder = Folder() / std::to_string(run++);
    std::filesystem::create_directory(runFolder);
    const QDir dir(QString::fromStdString(runFolder.string()));
    const QString file = dir.filePath("Kelvary.conf");
    const QByteArrayView input(data, static_cast<qsizetype>(size));
    WriteFile(file, input);
    const auto before = OtherSections(KeysOnDisk(file, dir.filePath("before.conf")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        QtSettingsStore store;
        Module1 module;
        Require(RunStartupCheck(store, module).repairsWritten, "every repair reaches the file");
        RereadSettings(store, module);

        CountingStore counting(store);
        Module1 again;
        Require(RunStartupCheck(counting, again).message == StartupMessage::None &&
                    counting.writes == 0,
                "a second check writes nothing");

        Require(SaveSettings(store, module), "the save at close reaches the file");
        const auto after = KeysOnDisk(file, dir.filePath("after.conf"));
        RequireSectionConverts(after);
        const auto saved = [&](std::string_view key) {
            const auto found =
                after.find(kSectionPrefix + QString::fromUtf8(key.data(), key.size()));
            return found == after.end() ? std::string("(missing)")
                                        : found->second.toString().toStdString();
        };
        Require(saved(kFontKey.name) == module.reg_font &&
                    saved(kLastColorKey.name) == module.reg_Last_Color &&
                    saved(kPositionKeys[0].name) == WholeNumberText(module.reg_top),
                "the saved values are on disk as written");
        std::optional<std::map<QString, QVariant>> rewritten; // made at the first difference
        for (const auto& [key, value] : before) {
            const auto found = after.find(key);
            if (found != after.end() && Same(found->second, value)) {
                continue;
            }
            if (!rewritten) {
                rewritten = RewrittenByQt(dir, input);
            }
            const auto byQt = rewritten->find(key);
            Require(found == after.end()
                        ? byQt == rewritten->end()
                        : byQt != rewritten->end() && Same(byQt->second, found->second),
                    "other sections read after the save as before, or as after Qt's own rewrite");
        }
    }
    std::filesystem::remove_all(runFolder);
    return 0;
}
